#pragma once
// The Windows Media header attributes of a source or writer filter, as the tag reader and
// writer use them. Declared here until the platform layer carries the Windows Media format
// interfaces.
#include "com/Unknown.h"

enum WMT_ATTR_DATATYPE {
    WMT_TYPE_DWORD = 0,
    WMT_TYPE_STRING = 1,
    WMT_TYPE_BINARY = 2,
    WMT_TYPE_BOOL = 3,
    WMT_TYPE_QWORD = 4,
    WMT_TYPE_WORD = 5,
    WMT_TYPE_GUID = 6,
};

struct IWMHeaderInfo : IUnknown {
    static constexpr IID kIid = {0x96406BDA, 0x2B2B, 0x11D3, {0xB3, 0x6B, 0x00, 0xC0, 0x4F, 0x61, 0x08, 0xFF}};
    using Base = IUnknown;
    virtual HRESULT GetAttributeCount(WORD stream, WORD* count) = 0;
    // With null name and value gives the lengths (name in characters with its NUL, value in bytes).
    virtual HRESULT GetAttributeByIndex(WORD index, WORD* stream, WCHAR* name, WORD* nameLength,
                                        WMT_ATTR_DATATYPE* type, BYTE* value, WORD* valueLength) = 0;
    virtual HRESULT GetAttributeByName(WORD* stream, LPCWSTR name, WMT_ATTR_DATATYPE* type, BYTE* value,
                                       WORD* length) = 0;
    virtual HRESULT SetAttribute(WORD stream, LPCWSTR name, WMT_ATTR_DATATYPE type, const BYTE* value,
                                 WORD length) = 0;
};
