#pragma once
// The tag interface of the encoder filter set: a writer filter that offers it stores each
// tag given into the file it writes.
#include "com/Unknown.h"

struct IEncoderTags : IUnknown {
    static constexpr IID kIid = {0x8F68C8F6, 0x6BD8, 0x4C60, {0x8F, 0xBF, 0xC8, 0x31, 0x1B, 0xA0, 0x0F, 0x2A}};
    using Base = IUnknown;
    // name is an internal tag id ("TT2", "TP1" ...).
    virtual HRESULT SetTag(const char* name, const char* value) = 0;
};
