#include "CAspectRatioConverter.h"

#include "UMathUtils.h"

namespace {

unsigned short Rounded(double v)
{
    const __int64 r = UMathUtils::Round64(v);
    return static_cast<unsigned short>(r < 0 ? 0 : r > 65535 ? 65535 : r);
}

// Fits one axis of the inclusive rectangle; scale is the area's share of the input on this axis.
void FitAxis(double scale, int centre, unsigned short original, unsigned short target, unsigned short& inStart,
             unsigned short& inLength, unsigned short& outStart, unsigned short& outLength)
{
    if (scale > 1) {
        inStart = 0;
        inLength = original;
        outLength = Rounded(target / scale);
        outStart = static_cast<unsigned short>((target - outLength) >> 1);
        return;
    }
    outStart = 0;
    outLength = target;
    inLength = Rounded(scale * original);
    if (centre + inLength / 2 < original)
        inStart = static_cast<unsigned short>(centre >= inLength / 2 ? centre - inLength / 2 : 0);
    else
        inStart = static_cast<unsigned short>(original - inLength);
}

}  // namespace

void CAspectRatioConverter::SetOriginalRect(double aspectRatio, unsigned short width, unsigned short height)
{
    m_inputAspectRatio = aspectRatio;
    m_originalWidth = width;
    m_originalHeight = height;
}

void CAspectRatioConverter::SetTargetRect(double aspectRatio, unsigned short width, unsigned short height)
{
    m_outputAspectRatio = aspectRatio;
    m_targetWidth = width;
    m_targetHeight = height;
}

bool CAspectRatioConverter::GetPanScanInputRect(CArea& area) const
{
    if (!m_originalWidth || !m_targetWidth)
        return false;
    area = CArea(0, 0, m_originalWidth, m_originalHeight);
    const double a = m_inputAspectRatio, b = OutputRatio();
    if (a > b) {
        const unsigned short left = Rounded((1 - b / a) * (m_originalWidth >> 1));
        area.SetLeft(left);
        area.SetWidth(static_cast<unsigned short>(m_originalWidth - 2 * left));
    } else if (a < b) {
        const unsigned short top = Rounded((1 - a / b) * (m_originalHeight >> 1));
        area.SetTop(top);
        area.SetHeight(static_cast<unsigned short>(m_originalHeight - 2 * top));
    }
    return true;
}

bool CAspectRatioConverter::GetLetterBoxOutputRect(CArea& area) const
{
    if (!m_originalWidth || !m_targetWidth)
        return false;
    area = CArea(0, 0, m_targetWidth, m_targetHeight);
    const double a = m_inputAspectRatio, b = OutputRatio();
    // Turned a quarter, the output's width holds the input's height.
    const bool fitHeight = m_rotate ? a < b : a > b;
    const bool fitWidth = m_rotate ? a > b : a < b;
    if (fitHeight) {
        const unsigned short height = Rounded(m_targetHeight / (a > b ? a / b : b / a));
        area.SetHeight(height);
        area.SetTop(static_cast<unsigned short>((m_targetHeight - height) >> 1));
    } else if (fitWidth) {
        const unsigned short width = Rounded(m_targetWidth / (a > b ? a / b : b / a));
        area.SetWidth(width);
        area.SetLeft(static_cast<unsigned short>((m_targetWidth - width) >> 1));
    }
    return true;
}

bool CAspectRatioConverter::GetInclusiveIoRect(const CArea& area, CArea& input, CArea& output) const
{
    if (!m_originalWidth || !m_targetWidth || !m_originalHeight)
        return false;
    const double a = m_inputAspectRatio, b = m_outputAspectRatio;
    double sx = double(area.GetWidth()) / m_originalWidth;
    double sy = double(area.GetHeight()) / m_originalHeight;
    if (sy > 0 && sx / sy * a > b)
        sy = sx * (a / b);
    else
        sx = sy * (b / a);
    unsigned short inStart, inLength, outStart, outLength;
    FitAxis(sx, area.GetXCenter(), m_originalWidth, m_targetWidth, inStart, inLength, outStart, outLength);
    input.SetLeft(inStart);
    input.SetWidth(inLength);
    output.SetLeft(outStart);
    output.SetWidth(outLength);
    FitAxis(sy, area.GetYCenter(), m_originalHeight, m_targetHeight, inStart, inLength, outStart, outLength);
    input.SetTop(inStart);
    input.SetHeight(inLength);
    output.SetTop(outStart);
    output.SetHeight(outLength);
    return true;
}
