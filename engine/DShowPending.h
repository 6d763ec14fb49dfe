#pragma once
// Interfaces of the media platform that the engine uses and the platform layer does not
// offer yet: the device enumerator, the DMO wrapper, property pages, the video window
// and the renderers' aspect-ratio control. Without a registered class, creating one
// fails and the engine takes its failure path.
#include "dshow/DShowTypes.h"

struct IMoniker : IUnknown {
    static constexpr IID kIid = {0x6A2D1001, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x01}};
    using Base = IUnknown;
    virtual HRESULT GetDisplayName(IUnknown* bindContext, IMoniker* left, LPOLESTR* name) = 0; // task memory
    virtual HRESULT BindToObject(IUnknown* bindContext, IMoniker* left, REFIID iid, void** object) = 0;
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

struct IDMOWrapperFilter : IUnknown {
    static constexpr IID kIid = {0x6A2D1004, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x04}};
    using Base = IUnknown;
    virtual HRESULT Init(REFCLSID dmo, REFCLSID category) = 0;
};

struct CAUUID {
    ULONG cElems;
    GUID* pElems; // task memory
};

struct ISpecifyPropertyPages : IUnknown {
    static constexpr IID kIid = {0x6A2D1005, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x05}};
    using Base = IUnknown;
    virtual HRESULT GetPages(CAUUID* pages) = 0;
};

struct IVideoWindow : IUnknown {
    static constexpr IID kIid = {0x6A2D1006, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x06}};
    using Base = IUnknown;
    virtual HRESULT put_WindowStyle(LONG style) = 0;
    virtual HRESULT put_Visible(LONG visible) = 0;
    virtual HRESULT get_Visible(LONG* visible) = 0;
    virtual HRESULT put_Owner(OAHWND owner) = 0;
    virtual HRESULT put_MessageDrain(OAHWND drain) = 0;
    virtual HRESULT SetWindowPosition(LONG left, LONG top, LONG width, LONG height) = 0;
    virtual HRESULT put_FullScreenMode(LONG mode) = 0;
    virtual HRESULT get_FullScreenMode(LONG* mode) = 0;
};

struct IBasicVideo : IUnknown {
    static constexpr IID kIid = {0x6A2D1007, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x07}};
    using Base = IUnknown;
    virtual HRESULT GetVideoSize(LONG* width, LONG* height) = 0;
};

struct IVMRAspectRatioControl : IUnknown {
    static constexpr IID kIid = {0x6A2D1008, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x08}};
    using Base = IUnknown;
    virtual HRESULT GetAspectRatioMode(DWORD* mode) = 0;
    virtual HRESULT SetAspectRatioMode(DWORD mode) = 0;
};

struct IVMRAspectRatioControl9 : IUnknown {
    static constexpr IID kIid = {0x6A2D1009, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8D, 0x09}};
    using Base = IUnknown;
    virtual HRESULT GetAspectRatioMode(DWORD* mode) = 0;
    virtual HRESULT SetAspectRatioMode(DWORD mode) = 0;
};

inline constexpr CLSID CLSID_SystemDeviceEnum = {0x6A2D1101, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8E, 0x01}};
inline constexpr CLSID CLSID_DMOWrapperFilter = {0x6A2D1102, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8E, 0x02}};
inline constexpr CLSID CLSID_VideoCompressorCategory = {0x33D9A760, 0x90C8, 0x11D0, {0xBD, 0x43, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
inline constexpr CLSID CLSID_AudioCompressorCategory = {0x33D9A761, 0x90C8, 0x11D0, {0xBD, 0x43, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
