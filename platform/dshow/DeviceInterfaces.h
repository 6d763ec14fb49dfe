#pragma once
// The system device enumerator: per category, monikers that name a device or codec
// and bind to its filter, with a property bag holding "FriendlyName" and "CLSID".
#include "dshow/DShowTypes.h"

struct VARIANT;

struct IPropertyBag : IUnknown {
    static constexpr IID kIid = {0x6A2D100A, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x0A}};
    using Base = IUnknown;
    // value->vt VT_EMPTY or the wanted type on entry; the caller clears the value.
    virtual HRESULT Read(LPCOLESTR name, VARIANT* value, IUnknown* errorLog) = 0;
    virtual HRESULT Write(LPCOLESTR name, VARIANT* value) = 0;
};

struct IMoniker : IUnknown {
    static constexpr IID kIid = {0x6A2D1001, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x01}};
    using Base = IUnknown;
    virtual HRESULT GetDisplayName(IUnknown* bindContext, IMoniker* left, LPOLESTR* name) = 0; // task memory
    virtual HRESULT BindToObject(IUnknown* bindContext, IMoniker* left, REFIID iid, void** object) = 0;
    // A moniker without storage (e.g. one of a caller's own) has no property bag.
    virtual HRESULT BindToStorage(IUnknown*, IMoniker*, REFIID, void** object)
    {
        if (object) *object = nullptr;
        return E_NOTIMPL;
    }
};

struct IEnumMoniker : IUnknown {
    static constexpr IID kIid = {0x6A2D1002, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x02}};
    using Base = IUnknown;
    virtual HRESULT Next(ULONG count, IMoniker** monikers, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;
    virtual HRESULT Clone(IEnumMoniker** copy) = 0;
};

struct ICreateDevEnum : IUnknown {
    static constexpr IID kIid = {0x6A2D1003, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x03}};
    using Base = IUnknown;
    // S_FALSE (and no enumerator) when the category is empty.
    virtual HRESULT CreateClassEnumerator(REFCLSID category, IEnumMoniker** monikers, DWORD flags) = 0;
};

inline constexpr CLSID CLSID_SystemDeviceEnum = {0x6A2D1101, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8E, 0x01}};

inline constexpr CLSID CLSID_VideoCompressorCategory = {0x33D9A760, 0x90C8, 0x11D0, {0xBD, 0x43, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
inline constexpr CLSID CLSID_AudioCompressorCategory = {0x33D9A761, 0x90C8, 0x11D0, {0xBD, 0x43, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
inline constexpr CLSID CLSID_AudioInputDeviceCategory = {0x33D9A762, 0x90C8, 0x11D0, {0xBD, 0x43, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
inline constexpr CLSID CLSID_VideoInputDeviceCategory = {0x860BB310, 0x5D01, 0x11D0, {0xBD, 0x3B, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
inline constexpr CLSID CLSID_AudioRendererCategory = {0xE0F158E1, 0xCB04, 0x11D0, {0xBD, 0x4E, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
