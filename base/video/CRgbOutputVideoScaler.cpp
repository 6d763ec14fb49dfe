#include "CRgbOutputVideoScaler.h"

#include "ScalerWalk.h"

using ScalerWalk::Channels;

using Variant = void (CRgbOutputVideoScaler::*)();

void CRgbOutputVideoScaler::ColorScaleSelf()
{
    static const Variant kColour[7] = {
        &CRgbOutputVideoScaler::ColorScaleSelfRgb, &CRgbOutputVideoScaler::ColorScaleSelfR,
        &CRgbOutputVideoScaler::ColorScaleSelfGB,  &CRgbOutputVideoScaler::ColorScaleSelfRg,
        &CRgbOutputVideoScaler::ColorScaleSelfBg,  &CRgbOutputVideoScaler::ColorScaleSelfRb,
        &CRgbOutputVideoScaler::ColorScaleSelfGb,
    };
    if (RgbOutput())
        ScalerWalk::Dispatch(*this, m_outputColor, kColour);
}

void CRgbOutputVideoScaler::GreyScaleScaleSelf()
{
    static const Variant kGrey[7] = {
        &CRgbOutputVideoScaler::GreyScaleSelfRgb, &CRgbOutputVideoScaler::GreyScaleSelfR,
        &CRgbOutputVideoScaler::GreyScaleSelfGB,  &CRgbOutputVideoScaler::GreyScaleSelfRg,
        &CRgbOutputVideoScaler::GreyScaleSelfBg,  &CRgbOutputVideoScaler::GreyScaleSelfRb,
        &CRgbOutputVideoScaler::GreyScaleSelfGb,
    };
    if (RgbOutput())
        ScalerWalk::Dispatch(*this, m_outputColor, kGrey);
}

void CRgbOutputVideoScaler::ColorScaleSelfRgb() { ScaleChannels(int(Channels::Rgb), false); }
void CRgbOutputVideoScaler::ColorScaleSelfR() { ScaleChannels(int(Channels::R), false); }
void CRgbOutputVideoScaler::ColorScaleSelfGB() { ScaleChannels(int(Channels::GB), false); }
void CRgbOutputVideoScaler::ColorScaleSelfRg() { ScaleChannels(int(Channels::Rg), false); }
void CRgbOutputVideoScaler::ColorScaleSelfBg() { ScaleChannels(int(Channels::Bg), false); }
void CRgbOutputVideoScaler::ColorScaleSelfRb() { ScaleChannels(int(Channels::Rb), false); }
void CRgbOutputVideoScaler::ColorScaleSelfGb() { ScaleChannels(int(Channels::Gb), false); }
void CRgbOutputVideoScaler::GreyScaleSelfRgb() { ScaleChannels(int(Channels::Rgb), true); }
void CRgbOutputVideoScaler::GreyScaleSelfR() { ScaleChannels(int(Channels::R), true); }
void CRgbOutputVideoScaler::GreyScaleSelfGB() { ScaleChannels(int(Channels::GB), true); }
void CRgbOutputVideoScaler::GreyScaleSelfRg() { ScaleChannels(int(Channels::Rg), true); }
void CRgbOutputVideoScaler::GreyScaleSelfBg() { ScaleChannels(int(Channels::Bg), true); }
void CRgbOutputVideoScaler::GreyScaleSelfRb() { ScaleChannels(int(Channels::Rb), true); }
void CRgbOutputVideoScaler::GreyScaleSelfGb() { ScaleChannels(int(Channels::Gb), true); }
