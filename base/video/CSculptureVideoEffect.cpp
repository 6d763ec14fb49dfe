#include "CSculptureVideoEffect.h"

void CSculptureVideoEffect::InitializeSelf()
{
    CGreyScaleVideoEffect::InitializeSelf();
    for (int i = 0; i < 256; ++i)
        for (int j = 0; j < 256; ++j)
            m_table[size_t(i * 256 + j)] =
                j < i - m_threshold ? m_lowLevel : j < i + m_threshold ? m_middleLevel : m_highLevel;
}

void CSculptureVideoEffect::ApplySelf()
{
    if (!m_inputData || !m_lumaBytePerPixel)
        return;
    BYTE* line = m_inputData + m_lumaOffset;
    for (int y = 0; y < m_originalHeight; ++y, line += m_lumaLineSize) {
        BYTE* p = line;
        for (int x = 0; x + 1 < m_originalWidth; ++x, p += m_lumaBytePerPixel)
            *p = m_table[size_t(*p) * 256 + p[m_lumaBytePerPixel]];
    }
}
