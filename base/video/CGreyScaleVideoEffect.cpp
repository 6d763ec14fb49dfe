#include "CGreyScaleVideoEffect.h"

void CGreyScaleVideoEffect::InitializeSelf()
{
    switch (m_inputColor) {
    case kColorAyuv:
    case kColorUyvy: m_lumaOffset = 1; break;
    case kColorYuy2:
    case kColorYvyu:
    case kColorIyuv:
    case kColorYv12:
    case kColorYvu9:
    case kColorI420:
    case kColorLuma: m_lumaOffset = 0; break;
    default: break;
    }
    m_lumaBytePerPixel = static_cast<unsigned short>(GetInputYBytePerPixel());
    m_lumaLineSize = GetInputYLineSize();
}
