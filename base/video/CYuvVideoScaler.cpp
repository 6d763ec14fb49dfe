#include "CYuvVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"

void CYuvVideoScaler::ScaleLayout(EYuvLayout layout, bool grey)
{
    StartPlaneMaps();
    if (!grey && (layout == kYuvLayout444 || layout == kYuvLayout422) && CanCopyLines()) {
        CopyLines(GetOutputYDataStart(), m_outYLineSize, m_yyMap, m_inYOffset,
                  size_t(GetInputProcessingAreaLineSize()));
        return;
    }
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::WalkYuv(*this, src, OutputYuvTarget(true, 1, grey), layout);
}
