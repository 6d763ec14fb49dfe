#include "CFieldRemover.h"

#include <cstdlib>
#include <cstring>

#include "VideoFormats.h"

using namespace VideoFormats;

void CFieldRemover::SetVideoFrame(BYTE* data, EColorFormat format, int width, int height, bool keepSecondField)
{
    const auto w = static_cast<unsigned short>(width);
    const auto h = static_cast<unsigned short>(std::abs(height));
    SetInputImageWidth(w);
    SetOriginalWidth(w);
    SetInputWidth(w);
    SetInputX(0);
    SetInputImageHeight(h);
    SetOriginalHeight(h);
    SetInputHeight(h);
    SetInputY(0);
    SetFlip(height < 0);
    SetInputColor(format);
    SetInputData(data);
    m_keepSecondField = keepSecondField;
}

void CFieldRemover::Process()
{
    if (!m_inputData)
        return;
    const int f = m_inputColor;
    if ((f >= kColorRgb555 && f <= kColorArgb32) || f == kColorAyuv || IsPacked422(f))
        RemoveField(m_inputData, GetInputLineSize(), m_originalHeight);
    else if (IsPlanar420(f))
        RemoveField(m_inputData, GetInputYLineSize(), m_originalHeight);
}

void CFieldRemover::RemoveField(BYTE* first, int lineSize, int lines)
{
    ptrdiff_t step = lineSize;
    if (m_flip) {
        first += ptrdiff_t(lines - 1) * lineSize;
        step = -step;
    }
    for (int k = 0; k + 1 < lines; k += 2) {
        BYTE* a = first + k * step;
        BYTE* b = a + step;
        if (m_keepSecondField)
            std::memcpy(a, b, size_t(lineSize));
        else
            std::memcpy(b, a, size_t(lineSize));
    }
}
