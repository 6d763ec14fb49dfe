#include "CVideoProcessor.h"
#include "StoreChanged.h"

#include <cstdlib>
#include <cstring>

#include "VideoFormats.h"
#include "UColorSpace.h"

using namespace VideoFormats;

CVideoProcessor::CVideoProcessor(const CVideoProcessor& other)
{
    *this = other;
}

CVideoProcessor& CVideoProcessor::operator=(const CVideoProcessor& other)
{
    if (this == &other)
        return *this;
    ResetMask();
    m_constU = other.m_constU;
    m_constV = other.m_constV;
    m_originalWidth = other.m_originalWidth;
    m_originalHeight = other.m_originalHeight;
    m_inputX = other.m_inputX;
    m_inputY = other.m_inputY;
    m_inputWidth = other.m_inputWidth;
    m_inputHeight = other.m_inputHeight;
    m_inputImageWidth = other.m_inputImageWidth;
    m_inputImageHeight = other.m_inputImageHeight;
    m_inputColor = other.m_inputColor;
    m_inputData = other.m_inputData;
    m_flip = other.m_flip;
    m_inputTopDown = other.m_inputTopDown;
    m_color = other.m_color;
    SetMask(other.m_mask);
    return *this;
}

CVideoProcessor::~CVideoProcessor()
{
    ResetMask();
}

void CVideoProcessor::SetInputX(unsigned short v)
{
    if (StoreChanged(m_inputX, v))
        ResetFlags();
}

void CVideoProcessor::SetInputY(unsigned short v)
{
    if (StoreChanged(m_inputY, v))
        ResetFlags();
}

void CVideoProcessor::SetInputWidth(unsigned short v)
{
    if (StoreChanged(m_inputWidth, v))
        ResetFlags();
}

void CVideoProcessor::SetInputHeight(unsigned short v)
{
    if (StoreChanged(m_inputHeight, v))
        ResetFlags();
}

void CVideoProcessor::SetInputImageWidth(unsigned short v)
{
    if (StoreChanged(m_inputImageWidth, v))
        ResetFlags();
}

void CVideoProcessor::SetInputImageHeight(unsigned short v)
{
    if (StoreChanged(m_inputImageHeight, v))
        ResetFlags();
}

void CVideoProcessor::SetInputColor(EColorFormat v)
{
    if (StoreChanged(m_inputColor, v))
        ResetFlags();
}

void CVideoProcessor::SetFlip(bool v)
{
    if (StoreChanged(m_flip, v))
        ResetFlags();
}

void CVideoProcessor::SetInputTopDown(bool v)
{
    if (StoreChanged(m_inputTopDown, v))
        ResetFlags();
}

void CVideoProcessor::SetOriginalWidth(unsigned short w)
{
    if (!StoreChanged(m_originalWidth, w))
        return;
    m_inputX = 0;
    m_inputWidth = w;
    ResetFlags();
    ResetMask();
}

void CVideoProcessor::SetOriginalHeight(unsigned short h)
{
    if (!StoreChanged(m_originalHeight, h))
        return;
    m_inputY = 0;
    m_inputHeight = h;
    ResetFlags();
    ResetMask();
}

void CVideoProcessor::SetMask(const BYTE* mask)
{
    ResetMask();
    if (!mask)
        return;
    const size_t n = size_t(m_originalWidth) * m_originalHeight;
    m_mask = static_cast<BYTE*>(std::malloc(n ? n : 1));
    if (m_mask && n)
        std::memcpy(m_mask, mask, n);
}

void CVideoProcessor::ResetMask()
{
    std::free(m_mask);
    m_mask = nullptr;
}

int CVideoProcessor::GetInputBytePerPixel() const
{
    switch (m_inputColor) {
    case kColorRgb8: return 1;
    case kColorRgb555:
    case kColorRgb565: return 2;
    case kColorRgb24: return 3;
    default: return 4;
    }
}

int CVideoProcessor::GetInputYBytePerPixel() const
{
    if (IsPacked422(m_inputColor))
        return 2;
    if (IsPlanar420(m_inputColor) || m_inputColor == kColorYvu9 || m_inputColor == kColorLuma)
        return 1;
    return 4;
}

int CVideoProcessor::GetInputUBytePerPixel() const
{
    if (IsPlanar420(m_inputColor) || m_inputColor == kColorYvu9)
        return 1;
    if (m_inputColor == kColorLuma)
        return 0;
    return 4;
}

int CVideoProcessor::GetInputYLineSize() const
{
    const int w = InputBufferWidth();
    if (m_inputColor == kColorAyuv)
        return 4 * w;
    if (IsPlanar420(m_inputColor) || m_inputColor == kColorYvu9 || m_inputColor == kColorLuma)
        return w;
    return 2 * w;
}

int CVideoProcessor::GetInputULineSize() const
{
    const int w = InputBufferWidth();
    if (m_inputColor == kColorAyuv)
        return 4 * w;
    if (IsPlanar420(m_inputColor))
        return w / 2;
    if (m_inputColor == kColorYvu9)
        return w / 4;
    if (m_inputColor == kColorLuma)
        return 0;
    return 2 * w;
}

int CVideoProcessor::GetInputUWidth() const
{
    if (IsPacked422(m_inputColor) || IsPlanar420(m_inputColor))
        return m_inputWidth / 2;
    if (m_inputColor == kColorYvu9)
        return m_inputWidth / 4;
    return m_inputWidth;
}

int CVideoProcessor::GetInputUHeight() const
{
    if (IsPlanar420(m_inputColor))
        return m_inputHeight / 2;
    if (m_inputColor == kColorYvu9)
        return m_inputHeight / 4;
    return m_inputHeight;
}

int CVideoProcessor::GetInputLineSize() const
{
    return UColorSpace::GetLineSize(m_inputColor, static_cast<unsigned short>(InputBufferWidth()));
}

int CVideoProcessor::GetInputProcessingAreaLineSize() const
{
    return UColorSpace::GetLineSize(m_inputColor, m_inputWidth);
}

BYTE* CVideoProcessor::GetInputRgbDataStart()
{
    const ptrdiff_t line = GetInputLineSize();
    const ptrdiff_t row = m_inputTopDown ? m_inputY : ptrdiff_t(m_originalHeight) - m_inputY - m_inputHeight;
    return m_inputData + line * row + ptrdiff_t(GetInputBytePerPixel()) * m_inputX;
}

BYTE* CVideoProcessor::GetInputYDataStart()
{
    return m_inputData + ptrdiff_t(GetInputYLineSize()) * m_inputY + ptrdiff_t(GetInputYBytePerPixel()) * m_inputX;
}

BYTE* CVideoProcessor::GetInputUDataStart()
{
    const size_t ow = m_originalWidth, oh = m_originalHeight;
    const ptrdiff_t chromaLine = GetInputULineSize();
    switch (m_inputColor) {
    case kColorUyvy:
    case kColorYuy2:
    case kColorYvyu: return m_inputData + ptrdiff_t(GetInputLineSize()) * m_inputY + 4 * (m_inputX / 2);
    case kColorIyuv:
    case kColorI420: return m_inputData + ow * oh + chromaLine * (m_inputY / 2) + m_inputX / 2;
    case kColorYv12: return m_inputData + 5 * ow * oh / 4 + chromaLine * (m_inputY / 2) + m_inputX / 2;
    case kColorYvu9: return m_inputData + 17 * ow * oh / 16 + chromaLine * (m_inputY / 4) + m_inputX / 4;
    case kColorAyuv: return m_inputData + ptrdiff_t(GetInputLineSize()) * m_inputY + 4 * m_inputX;
    case kColorLuma: return &m_constU;
    default: return m_inputData + chromaLine * m_inputY + ptrdiff_t(GetInputUBytePerPixel()) * m_inputX;
    }
}

BYTE* CVideoProcessor::GetInputVDataStart()
{
    const size_t ow = m_originalWidth, oh = m_originalHeight;
    const ptrdiff_t chromaLine = GetInputVLineSize();
    switch (m_inputColor) {
    case kColorIyuv:
    case kColorI420: return m_inputData + 5 * ow * oh / 4 + chromaLine * (m_inputY / 2) + m_inputX / 2;
    case kColorYv12: return m_inputData + ow * oh + chromaLine * (m_inputY / 2) + m_inputX / 2;
    case kColorYvu9: return m_inputData + ow * oh + chromaLine * (m_inputY / 4) + m_inputX / 4;
    case kColorLuma: return &m_constV;
    case kColorUyvy:
    case kColorYuy2:
    case kColorYvyu:
    case kColorAyuv: return GetInputUDataStart();
    default: return m_inputData + chromaLine * m_inputY + ptrdiff_t(GetInputVBytePerPixel()) * m_inputX;
    }
}

const BYTE* CVideoProcessor::GetMaskDataStart() const
{
    return m_mask ? m_mask + size_t(m_originalWidth) * m_inputY + m_inputX : nullptr;
}
