#include "CImageFileCheckThread.h"

#include "CImageFile2.h"

#include <algorithm>
#include <cstdlib>

namespace {

unsigned short Side(LONG pixels)
{
    // Bottom-up bitmaps report negative heights.
    return static_cast<unsigned short>(std::min<long>(std::labs(pixels), 0xFFFF));
}

} // namespace

CImageFileCheckThread::~CImageFileCheckThread()
{
    // The job uses the loader.
    CancelAndWait();
}

CImageFile2* CImageFileCheckThread::CheckFile(const char* path)
{
    if (!m_loader.Load(path)) return nullptr;
    auto* image = new CImageFile2;
    image->GetFilePath().SetFilePath(path);
    image->GetImageInfo().SetWidth(Side(m_loader.GetWidth()));
    image->GetImageInfo().SetHeight(Side(m_loader.GetHeight()));
    m_loader.Detach();
    return image;
}
