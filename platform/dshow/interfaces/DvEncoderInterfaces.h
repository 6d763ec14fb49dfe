#pragma once
// The DV video encoder's format: the TV system, the DV format and the picture resolution.
#include "dshow/DShowTypes.h"

inline constexpr int kDvEncoderVideoFormatNtsc = 2000;
inline constexpr int kDvEncoderVideoFormatPal = 2001;
inline constexpr int kDvEncoderFormatDvsd = 2007;
inline constexpr int kDvEncoderResolutionFull = 2012;

struct IDVEnc : IUnknown {
    static constexpr IID kIid = {0xD18E17A0, 0xAACB, 0x11D0, {0xAF, 0xB0, 0x00, 0xAA, 0x00, 0xB6, 0x7A, 0x42}};
    using Base = IUnknown;
    virtual HRESULT get_IFormatResolution(int* videoFormat, int* dvFormat, int* resolution, BYTE dialog,
                                          void* info) = 0;
    virtual HRESULT put_IFormatResolution(int videoFormat, int dvFormat, int resolution, BYTE dialog,
                                          void* info) = 0;
};
