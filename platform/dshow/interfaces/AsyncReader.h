#pragma once
// The byte-reading side of a file source's stream pin: a splitter connected to the pin
// reads the file through it, from any thread.
#include "dshow/DShowTypes.h"

struct IAsyncReader : IUnknown {
    static constexpr IID kIid = {0x4C2A7E31, 0x9B0D, 0x4F6E, {0x8A, 0x55, 0x21, 0x6B, 0xC3, 0x0E, 0x97, 0x1D}};
    using Base = IUnknown;
    // Reads up to length bytes at position; *read gets the count (S_FALSE when short, at the end).
    virtual HRESULT SyncRead(LONGLONG position, LONG length, BYTE* buffer, LONG* read) = 0;
    virtual HRESULT Length(LONGLONG* total, LONGLONG* available) = 0;
};
