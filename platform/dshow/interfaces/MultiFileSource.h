#pragma once
// The multi-file source's settings: the files it plays as one, and the part of them
// played, in media time (100-nanosecond units) over all the files; an end of 0 plays
// to the last file's end.
#include "dshow/DShowTypes.h"

struct IMultiFileSource : IUnknown {
    static constexpr IID kIid = {0xF64C56A0, 0x75AC, 0x4914, {0xB2, 0x5B, 0xEF, 0xE5, 0x3B, 0x28, 0x8C, 0x83}};
    using Base = IUnknown;
    virtual HRESULT AddFile(const WCHAR* path) = 0;
    virtual HRESULT GetFileCount(LONG* count) = 0;
    virtual HRESULT SetStart(LONGLONG start) = 0;
    virtual HRESULT GetStart(LONGLONG* start) = 0;
    virtual HRESULT SetEnd(LONGLONG end) = 0;
    virtual HRESULT GetEnd(LONGLONG* end) = 0;
};
