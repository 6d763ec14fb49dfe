#pragma once
// The private interfaces of the encoder filter set: a switch the engine turns on in every
// filter that offers it, and the elapsed encoding time. Filters without them still work.
#include "com/Unknown.h"

struct IEncoderPrivateSetting : IUnknown {
    static constexpr IID kIid = {0xFB5810D5, 0x72C2, 0x46EF, {0xA6, 0xA2, 0x7E, 0x08, 0x15, 0xA4, 0x6B, 0x86}};
    using Base = IUnknown;
    virtual HRESULT SetPrivate(LONG value) = 0;
};

struct IEncoderPassTime : IUnknown {
    static constexpr IID kIid = {0x14B1F5FB, 0xE791, 0x4112, {0x8E, 0x92, 0x9C, 0xEE, 0x94, 0x79, 0x80, 0x2C}};
    using Base = IUnknown;
    virtual HRESULT GetPassTime(double* seconds) = 0;
};
