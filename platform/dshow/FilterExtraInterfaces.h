#pragma once
// Interfaces a filter may offer beside its pins: the DMO wrapper's set-up and the
// list of its settings pages.
#include "dshow/DShowTypes.h"

struct IDMOWrapperFilter : IUnknown {
    static constexpr IID kIid = {0x6A2D1004, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x04}};
    using Base = IUnknown;
    virtual HRESULT Init(REFCLSID dmo, REFCLSID category) = 0;
};

inline constexpr CLSID CLSID_DMOWrapperFilter = {0x6A2D1102, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8E, 0x02}};

struct CAUUID {
    ULONG cElems;
    GUID* pElems; // task memory
};

struct ISpecifyPropertyPages : IUnknown {
    static constexpr IID kIid = {0x6A2D1005, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x05}};
    using Base = IUnknown;
    virtual HRESULT GetPages(CAUUID* pages) = 0;
};
