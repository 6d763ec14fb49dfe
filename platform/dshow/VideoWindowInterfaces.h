#pragma once
// The video renderer's window, picture size and aspect-ratio control.
#include "dshow/DShowTypes.h"

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
    // The owner window passes its messages on; after it painted (WM_PAINT) the picture is drawn again.
    virtual HRESULT NotifyOwnerMessage(OAHWND window, LONG message, LONG_PTR wParam, LONG_PTR lParam) = 0;
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
