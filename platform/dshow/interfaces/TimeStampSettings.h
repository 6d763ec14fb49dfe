#pragma once
// "Time Stamp": whether it writes each picture's time into the picture.
#include "dshow/DShowTypes.h"

struct ITimeStampSettings : IUnknown {
    static constexpr IID kIid = {0x33401786, 0x4E29, 0x4E27, {0x96, 0x4A, 0x72, 0xA7, 0x5D, 0x73, 0x1F, 0x07}};
    using Base = IUnknown;
    virtual HRESULT SetStamping(BYTE on) = 0;
};
