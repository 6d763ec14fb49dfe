#pragma once
// The YUV and luma outputs of the scalers from 24/32-bit RGB and from YUV: the operations per
// layout, dispatched on the output format. GreyLumaIntoRgb tells whether grey mode still writes
// the luma-into-RGB formats.
#include "YuvLayout.h"

template <class MapBase, bool GreyLumaIntoRgb>
class TYuvOutputVideoScaler : public MapBase {
public:
    using MapBase::MapBase;

    void ColorScaleSelf() override { Dispatch(false); }
    void GreyScaleScaleSelf() override { Dispatch(true); }

    virtual void ScaleSelfY() { ScaleLayout(kYuvLayoutLuma, false); }
    // The luma into the byte at the Y offset and the one after it (B and G).
    virtual void ScaleSelfY2() { ScaleLayout(kYuvLayoutLuma2, false); }
    virtual void ColorScaleSelfYuv444() { ScaleLayout(kYuvLayout444, false); }
    virtual void ColorScaleSelfYuv422() { ScaleLayout(kYuvLayout422, false); }
    virtual void ColorScaleSelfYuv420Planar() { ScaleLayout(kYuvLayout420, false); }
    virtual void ColorScaleSelfYuv9Planar() {}
    virtual void GreyScaleScaleSelfYuv444() { ScaleLayout(kYuvLayout444, true); }
    virtual void GreyScaleScaleSelfYuv422() { ScaleLayout(kYuvLayout422, true); }
    virtual void GreyScaleScaleSelfYuv420Planar() { ScaleLayout(kYuvLayout420, true); }
    virtual void GreyScaleScaleSelfYuv9Planar() {}

protected:
    virtual void ScaleLayout(EYuvLayout layout, bool grey) = 0;

private:
    void Dispatch(bool grey)
    {
        bool intoRgb;
        const EYuvLayout layout = YuvLayoutOf(this->m_outputColor, intoRgb);
        if (intoRgb) {
            if (!grey || GreyLumaIntoRgb) {
                if (layout == kYuvLayoutLuma2)
                    ScaleSelfY2();
                else
                    ScaleSelfY();
            }
            return;
        }
        switch (layout) {
        case kYuvLayout444: grey ? GreyScaleScaleSelfYuv444() : ColorScaleSelfYuv444(); break;
        case kYuvLayout422: grey ? GreyScaleScaleSelfYuv422() : ColorScaleSelfYuv422(); break;
        case kYuvLayout420: grey ? GreyScaleScaleSelfYuv420Planar() : ColorScaleSelfYuv420Planar(); break;
        case kYuvLayout410: grey ? GreyScaleScaleSelfYuv9Planar() : ColorScaleSelfYuv9Planar(); break;
        case kYuvLayoutLuma: ScaleSelfY(); break;
        default: break;
        }
    }
};
