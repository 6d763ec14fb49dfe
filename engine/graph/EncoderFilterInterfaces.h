#pragma once
// The private switch of the encoder filter set, which the engine turns on in every filter
// that offers it. (The elapsed-time interface is the platform's IFilterPassTime.)
#include "com/Unknown.h"

struct IEncoderPrivateSetting : IUnknown {
    static constexpr IID kIid = {0xFB5810D5, 0x72C2, 0x46EF, {0xA6, 0xA2, 0x7E, 0x08, 0x15, 0xA4, 0x6B, 0x86}};
    using Base = IUnknown;
    virtual HRESULT SetPrivate(LONG value) = 0;
};
