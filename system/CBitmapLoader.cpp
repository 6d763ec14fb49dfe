#include "CBitmapLoader.h"

#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"
#include "win32/gdi/Paint.h"
#include "win32/pictures/Picture.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <vector>

CBitmapLoader::CBitmapLoader() = default;

CBitmapLoader::CBitmapLoader(const CBitmapLoader&) {}

CBitmapLoader& CBitmapLoader::operator=(const CBitmapLoader& other)
{
    if (this != &other) Detach();
    return *this;
}

CBitmapLoader::~CBitmapLoader()
{
    CBitmapLoader::Detach();
}

bool CBitmapLoader::Load(const char* path)
{
    Detach();
    if (!path) return false;
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::vector<BYTE> bytes;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(file) : -1;
    ok = ok && size > 0 && static_cast<unsigned long>(size) <= kMaxFileSize && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!ok) return false;
    HBITMAP bitmap = MvLoadPicture(bytes.data(), bytes.size(), nullptr);
    if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP) {
        if (bitmap) DeleteObject(bitmap);
        return false;
    }
    mBitmap = bitmap;
    mFromPicture = true;
    return true;
}

bool CBitmapLoader::Load(const char* module, unsigned short resourceId)
{
    Detach();
    HMODULE handle = GetModuleHandle(module);
    if (!handle) return false;
    mBitmap = LoadBitmapA(handle, MAKEINTRESOURCEA(resourceId));
    return mBitmap != nullptr;
}

void CBitmapLoader::Detach()
{
    // The picture owned its bitmap; releasing the picture frees it, as deleting does otherwise.
    if (mBitmap) DeleteObject(mBitmap);
    mBitmap = nullptr;
    mFromPicture = false;
}

LONG CBitmapLoader::GetWidth()
{
    BITMAP b;
    if (!mBitmap || !GetObjectA(mBitmap, sizeof(b), &b)) return 0;
    return b.bmWidth;
}

LONG CBitmapLoader::GetHeight()
{
    BITMAP b;
    if (!mBitmap || !GetObjectA(mBitmap, sizeof(b), &b)) return 0;
    return -b.bmHeight;
}

HBITMAP CBitmapLoader::GetBitmap() { return mBitmap; }

namespace {

// The display's description of a bitmap: header, then the masks or colour table.
struct Described {
    BITMAPINFOHEADER header;
    DWORD table[256];
};

bool Describe(HBITMAP bitmap, Described& d)
{
    d = Described{};
    d.header.biSize = sizeof(BITMAPINFOHEADER);
    HDC screen = GetDC(nullptr);
    bool ok = GetDIBits(screen, bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&d), DIB_RGB_COLORS) &&
              GetDIBits(screen, bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&d), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return ok;
}

}

EColorFormat CBitmapLoader::GetColor()
{
    Described d;
    if (!mBitmap || !Describe(mBitmap, d)) return kColorNone;
    switch (d.header.biBitCount) {
    case 8: return kColorRgb8;
    case 16: return d.table[0] == 0xF800 ? kColorRgb565 : kColorRgb555;
    case 24: return kColorRgb24;
    case 32: return kColorArgb32;
    default: return kColorNone;
    }
}

BYTE* CBitmapLoader::GetData()
{
    Described d;
    if (!mBitmap || !Describe(mBitmap, d) || d.header.biSizeImage == 0) return nullptr;
    // The bitmap's own rows may be padded less than a DIB's; copy what it holds.
    LONG held = GetBitmapBits(mBitmap, 0, nullptr);
    ULONG size = std::max<ULONG>(d.header.biSizeImage, static_cast<ULONG>(held));
    BYTE* data = new (std::nothrow) BYTE[size]();
    if (!data) return nullptr;
    GetBitmapBits(mBitmap, static_cast<LONG>(size), data);
    return data;
}
