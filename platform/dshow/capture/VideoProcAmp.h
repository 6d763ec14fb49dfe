#pragma once
// A camera's picture controls (brightness, contrast, ...): their ranges and values, and
// whether the device sets one itself.
#include "com/Unknown.h"

// A control the device does not have.
#ifndef E_PROP_ID_UNSUPPORTED
#define E_PROP_ID_UNSUPPORTED static_cast<HRESULT>(0x80070490)
#endif

enum VideoProcAmpProperty {
    VideoProcAmp_Brightness,
    VideoProcAmp_Contrast,
    VideoProcAmp_Hue,
    VideoProcAmp_Saturation,
    VideoProcAmp_Sharpness,
    VideoProcAmp_Gamma,
    VideoProcAmp_ColorEnable,
    VideoProcAmp_WhiteBalance,
    VideoProcAmp_BacklightCompensation,
    VideoProcAmp_Gain
};

enum VideoProcAmpFlags { VideoProcAmp_Flags_Auto = 0x1, VideoProcAmp_Flags_Manual = 0x2 };

struct IAMVideoProcAmp : IUnknown {
    static constexpr IID kIid = {0x6A2D2003, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8F, 0x03}};
    using Base = IUnknown;
    virtual HRESULT GetRange(long property, long* min, long* max, long* step, long* defaultValue, long* capsFlags) = 0;
    virtual HRESULT Set(long property, long value, long flags) = 0;
    virtual HRESULT Get(long property, long* value, long* flags) = 0;
};
