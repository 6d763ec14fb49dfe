#include "CSmallPixelToYuvVideoScaler.h"

void CSmallPixelToYuvVideoScaler::Dispatch(bool grey)
{
    bool intoRgb;
    const EYuvLayout layout = YuvLayoutOf(m_outputColor, intoRgb);
    if (intoRgb) {
        if (grey)
            ScaleSelfRgb16toY();
        return;
    }
    switch (layout) {
    case kYuvLayout444: grey ? GreyScaleScaleSelfRgb16toYuv444() : ColorScaleSelfRgb16toYuv444(); break;
    case kYuvLayout422: grey ? GreyScaleScaleSelfRgb16toYuv422() : ColorScaleSelfRgb16toYuv422(); break;
    case kYuvLayout420: grey ? GreyScaleScaleSelfRgb16toYuv420Planar() : ColorScaleSelfRgb16toYuv420Planar(); break;
    case kYuvLayout410: grey ? GreyScaleScaleSelfRgb16toYuv9Planar() : ColorScaleSelfRgb16toYuv9Planar(); break;
    case kYuvLayoutLuma: ScaleSelfRgb16toY(); break;
    default: break;
    }
}
