#pragma once
// The display resolution control of the DV video decoder. Declared here until the platform
// layer carries it.
#include "com/Unknown.h"

struct IIPDVDec : IUnknown {
    static constexpr IID kIid = {0xB8E8BD60, 0x0BFE, 0x11D0, {0xAF, 0x91, 0x00, 0xAA, 0x00, 0xB6, 0x7A, 0x42}};
    using Base = IUnknown;
    virtual HRESULT get_IPDisplay(int* resolution) = 0;
    virtual HRESULT put_IPDisplay(int resolution) = 0;
};

// Full-size decoding.
inline constexpr int DVRESOLUTION_FULL = 1000;
