#include "CRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CRgbVideoScaler::ScaleChannels(int channels, bool grey)
{
    BYTE* out = StartPixelMaps();
    if (!grey && channels == int(ScalerWalk::Channels::Rgb) && CanCopyLines()) {
        // Only the pixels: a 24-bit line's padding may lie past the buffer's end.
        CopyLines(out, m_outLineSize, m_yMap, 0, size_t(m_inputWidth) * m_inBytePerPixel);
        return;
    }
    ScalerSources::RgbPixels src{{m_xMap, m_yMap}, m_inROffset, m_inGOffset, m_inBOffset};
    ScalerWalk::RgbRules rules;
    rules.maskRgbOnly = true;
    ScalerWalk::RgbOutput(*this, src, out, m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          ScalerWalk::Channels(channels), grey, rules);
}
