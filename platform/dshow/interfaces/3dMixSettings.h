#pragma once
// "3D Mix": how the two camera pictures are mixed into one.
#include "dshow/DShowTypes.h"

struct I3dMixSettings : IUnknown {
    static constexpr IID kIid = {0xDF83EFF6, 0xE4A3, 0x47F4, {0xA7, 0x05, 0xDB, 0x17, 0xAE, 0x48, 0xD7, 0x81}};
    using Base = IUnknown;
    virtual HRESULT SetMode(LONG mode) = 0;
    // The anaglyph's colour mode (0 colour, 1 grey scale) and the right eye's filter
    // colour (0 cyan, 1 blue, 2 green); the left eye always sees red.
    virtual HRESULT SetAnaglyphColor(LONG color) = 0;
    virtual HRESULT SetAnaglyphFilter(LONG filter) = 0;
};
