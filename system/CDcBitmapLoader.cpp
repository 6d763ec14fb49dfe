#include "CDcBitmapLoader.h"

CDcBitmapLoader::CDcBitmapLoader() = default;
CDcBitmapLoader::CDcBitmapLoader(const CDcBitmapLoader& other) : CBitmapLoader(other) {}

CDcBitmapLoader& CDcBitmapLoader::operator=(const CDcBitmapLoader& other)
{
    if (this != &other) Detach();
    return *this;
}

CDcBitmapLoader::~CDcBitmapLoader()
{
    CDcBitmapLoader::Detach();
}

void CDcBitmapLoader::CopyLoaded()
{
    mCopy.CopyBitmap(mBitmap, CBitmapLoader::GetWidth(), GetHeight());
}

bool CDcBitmapLoader::Load(const char* module, unsigned short resourceId)
{
    Detach();
    if (!CBitmapLoader::Load(module, resourceId)) return false;
    CopyLoaded();
    return true;
}

bool CDcBitmapLoader::Load(const char* path)
{
    Detach();
    if (!CBitmapLoader::Load(path)) return false;
    CopyLoaded();
    return true;
}

void CDcBitmapLoader::Detach()
{
    mCopy.ResetBuffer();
    CBitmapLoader::Detach();
}

LONG CDcBitmapLoader::GetHeight()
{
    return -CBitmapLoader::GetHeight();
}

EColorFormat CDcBitmapLoader::GetColor() { return kColorArgb32; }
HBITMAP CDcBitmapLoader::GetBitmap() { return mCopy.GetBitmap(); }
BYTE* CDcBitmapLoader::GetData() { return mCopy.GetBuffer(); }
