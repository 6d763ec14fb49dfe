#include "CSkinObject.h"

#include "CXpButton.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Region.h"

#include <cstring>
#include <vector>

CSkinObject::~CSkinObject() { Drop(); }

void CSkinObject::Drop()
{
    if (m_memoryDc.GetSafeHdc()) m_memoryDc.DeleteDC();
    m_region.DeleteObject();
    m_resourceBitmap.DeleteObject();
}

void CSkinObject::SetBitmapId(UINT id)
{
    if (id == m_bitmapId) return;
    Drop();
    m_bitmapId = id;
    Load();
}

bool CSkinObject::Load()
{
    if (!m_region.GetSafeHandle() && m_bitmapId != 0) {
        m_resourceBitmap.DeleteObject();
        if (m_resourceBitmap.LoadBitmap(m_bitmapId)) LoadImageA(m_resourceBitmap);
    }
    return m_region.GetSafeHandle() != nullptr;
}

// The same depths as the owner-drawn button's bitmap.
int CSkinObject::GetPixelSize(int bitsPerPixel) { return CXpButton::GetPixelSize(bitsPerPixel); }

void CSkinObject::LoadImageA(CBitmap& bitmap)
{
    if (!m_region.GetSafeHandle()) BuildRegion(bitmap);
    if (!m_memoryDc.GetSafeHdc()) m_memoryDc.CreateCompatibleDC(nullptr);
    if (m_memoryDc.GetSafeHdc()) m_memoryDc.SelectObject(&bitmap);
}

void CSkinObject::BuildRegion(CBitmap& bitmap)
{
    BITMAP info{};
    if (!bitmap.GetBitmap(&info) || info.bmWidth <= 0 || info.bmHeight <= 0) return;
    m_frameWidth = info.bmWidth / m_frameCount;
    m_height = info.bmHeight;
    m_region.CreateRectRgn(0, 0, info.bmWidth, info.bmHeight);

    const int pixelSize = GetPixelSize(info.bmBitsPixel);
    const size_t stride = static_cast<size_t>(info.bmWidthBytes);
    const size_t size = stride * static_cast<size_t>(info.bmHeight);
    // A depth not drawn from has no transparent colour to compare; so does a bitmap
    // whose rows are shorter than its pixels claim.
    if (pixelSize == 0 || stride < static_cast<size_t>(info.bmWidth) * pixelSize || size > 0x7fffffff) return;
    std::vector<unsigned char> bits(size);
    if (bitmap.GetBitmapBits(static_cast<DWORD>(size), bits.data()) != size) return;

    const unsigned char* key = bits.data();
    CRgn pixels;
    pixels.CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < info.bmHeight; ++y) {
        const unsigned char* row = bits.data() + stride * static_cast<size_t>(y);
        // Runs of transparent pixels are cut at once: the same as cutting each pixel.
        for (int x = 0; x < m_frameWidth;) {
            if (std::memcmp(row + static_cast<size_t>(x) * pixelSize, key, pixelSize) != 0) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < m_frameWidth && std::memcmp(row + static_cast<size_t>(end) * pixelSize, key, pixelSize) == 0)
                ++end;
            pixels.SetRectRgn(x, y, end, y + 1);
            m_region.CombineRgn(&m_region, &pixels, RGN_XOR);
            x = end;
        }
    }
}

void CSkinObject::TransparentBitBlt(CDC* dc, int x, int y, int width, int height, CDC* sourceDc, int sourceX,
                                    int sourceY)
{
    if (!dc || !sourceDc) return;
    dc->SelectClipRgn(&m_region);
    dc->BitBlt(x, y, width, height, sourceDc, sourceX, sourceY, SRCCOPY);
    dc->SelectClipRgn(nullptr);
}
