#include "CBitmapCapture.h"

#include "CRgbVideoScaler.h"
#include "afx/gdi/CBitmap.h"

#include <memory>
#include <vector>

void CBitmapCapture::Initialize()
{
    SetInputRect(0, 0, m_originalWidth, m_originalHeight);
    SetTargetWidth(m_originalWidth);
    SetTargetHeight(m_originalHeight);
    SetOutputRect(0, 0, m_originalWidth, m_originalHeight);
    SetOutputColor(kColorRgb32);
    CVideoConverter::Initialize();
}

CBitmap* CBitmapCapture::MakeBitmap(BYTE* data, EColorFormat inputColour, unsigned short width, unsigned short height)
{
    if (!data || width == 0 || height == 0) return nullptr;
    SetOriginalWidth(width);
    SetOriginalHeight(height);
    SetInputColor(inputColour);

    CRgbVideoScaler layout;
    layout.SetOutputColor(kColorRgb32);
    layout.SetTargetWidth(width);
    layout.SetTargetHeight(height);
    layout.SetOutputWidth(width);
    layout.SetOutputHeight(height);
    const size_t size = static_cast<size_t>(layout.GetOutputLineSize()) * height;
    if (size == 0) return nullptr;

    std::vector<BYTE> buffer(size);
    Convert(data, buffer.data(), 0);
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->CreateBitmap(width, height, 1, 32, buffer.data())) return nullptr;
    return bitmap.release();
}
