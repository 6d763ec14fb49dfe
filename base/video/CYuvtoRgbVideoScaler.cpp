#include "CYuvtoRgbVideoScaler.h"

#include "ScalerSources.h"
#include "ScalerWalk.h"
#include "UColorSpace.h"

void CYuvtoRgbVideoScaler::ScaleSelfYtoRgb()
{
    StartPlaneMaps();
    ScalerSources::Grid y(m_yxMap, m_yyMap);
    const RgbOffsets at = OutputRgbOffsets();
    ScalerWalk::Pixels(*this, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, true,
                       [&](int i) { y.Row(i); },
                       [&](BYTE* o, int j) { o[at.r] = o[at.g] = o[at.b] = UColorSpace::GreytoColor(*y.At(j)); });
}

using Variant = void (CYuvtoRgbVideoScaler::*)();

void CYuvtoRgbVideoScaler::ColorScaleSelf()
{
    static const Variant kColour[7] = {
        &CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoRgb, &CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoR,
        &CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoGB,  &CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoRg,
        &CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoBg,  &CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoRb,
        &CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoGb,
    };
    if (m_inputColor == kColorLuma)
        ScaleSelfYtoRgb();
    else if (RgbOutput())
        ScalerWalk::Dispatch(*this, m_outputColor, kColour);
}

void CYuvtoRgbVideoScaler::GreyScaleScaleSelf()
{
    static const Variant kGrey[7] = {
        &CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoRgb, &CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoR,
        &CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoGB,  &CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoRg,
        &CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoBg,  &CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoRb,
        &CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoGb,
    };
    if (m_inputColor == kColorLuma)
        ScaleSelfYtoRgb();
    else if (RgbOutput())
        ScalerWalk::Dispatch(*this, m_outputColor, kGrey);
}

using ScalerWalk::Channels;

void CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoRgb() { ScaleChannels(int(Channels::Rgb), false); }
void CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoR() { ScaleChannels(int(Channels::R), false); }
void CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoGB() { ScaleChannels(int(Channels::GB), false); }
void CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoRg() { ScaleChannels(int(Channels::Rg), false); }
void CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoBg() { ScaleChannels(int(Channels::Bg), false); }
void CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoRb() { ScaleChannels(int(Channels::Rb), false); }
void CYuvtoRgbVideoScaler::ColorScaleSelfYuvtoGb() { ScaleChannels(int(Channels::Gb), false); }
void CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoRgb() { ScaleChannels(int(Channels::Rgb), true); }
void CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoR() { ScaleChannels(int(Channels::R), true); }
void CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoGB() { ScaleChannels(int(Channels::GB), true); }
void CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoRg() { ScaleChannels(int(Channels::Rg), true); }
void CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoBg() { ScaleChannels(int(Channels::Bg), true); }
void CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoRb() { ScaleChannels(int(Channels::Rb), true); }
void CYuvtoRgbVideoScaler::GreyScaleSelfYuvtoGb() { ScaleChannels(int(Channels::Gb), true); }

void CYuvtoRgbVideoScaler::ScaleChannels(int channels, bool grey)
{
    StartPlaneMaps();
    ScalerSources::YuvPixels src{{m_yxMap, m_yyMap}, {m_uxMap, m_uyMap}, {m_vxMap, m_vyMap}};
    ScalerWalk::RgbRules rules;
    rules.maskNotRGB = true;
    ScalerWalk::RgbOutput(*this, src, GetOutputDataStart(), m_outLineSize, m_outBytePerPixel, OutputRgbOffsets(),
                          Channels(channels), grey, rules);
}
