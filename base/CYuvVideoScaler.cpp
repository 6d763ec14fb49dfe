#include "CYuvVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "VideoFormats.h"

void CYuvVideoScaler::ColorScaleSelf()
{
    StartPlaneMaps();
    const int f = m_outputColor;
    if (m_color && CanCopyLines() && (f == kColorAyuv || VideoFormats::IsPacked422(f))) {
        CopyLines(GetOutputYDataStart(), m_outYLineSize, m_yyMap, m_inYOffset,
                  size_t(GetInputProcessingAreaLineSize()));
        return;
    }
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::YuvOutput(*this, src, OutputYuvTarget(true, 1), f, ScalerWalk::LumaRgbRule::Always);
}
