#pragma once
// Settings pages a component offers for its objects, and the modal frame that shows them
// one tab each with OK, Cancel and Apply. A page edits the objects it is given only when
// the frame tells it to apply.
#include "com/Unknown.h"

struct MSG;

#define PROPPAGESTATUS_DIRTY 0x01
#define PROPPAGESTATUS_VALIDATE 0x02
#define PROPPAGESTATUS_CLEAN 0x04

// Sizes in pixels; texts in task memory, freed by the caller.
struct PROPPAGEINFO {
    ULONG cb;
    LPOLESTR pszTitle;
    SIZE size;
    LPOLESTR pszDocString;
    LPOLESTR pszHelpFile;
    DWORD dwHelpContext;
};

struct IPropertyPageSite : IUnknown {
    static constexpr IID kIid = {0x6A2D2001, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8F, 0x01}};
    using Base = IUnknown;
    virtual HRESULT OnStatusChange(DWORD flags) = 0;
    virtual HRESULT GetLocaleID(LCID* locale) = 0;
    virtual HRESULT GetPageContainer(IUnknown** container) = 0;
    virtual HRESULT TranslateAccelerator(MSG* msg) = 0;
};

struct IPropertyPage : IUnknown {
    static constexpr IID kIid = {0x6A2D2002, 0x51C3, 0x4E0B, {0x9B, 0x1E, 0x30, 0x44, 0x7C, 0x10, 0x8F, 0x02}};
    using Base = IUnknown;
    virtual HRESULT SetPageSite(IPropertyPageSite* site) = 0;
    virtual HRESULT Activate(HWND parent, const RECT* rect, BOOL modal) = 0;
    virtual HRESULT Deactivate() = 0;
    virtual HRESULT GetPageInfo(PROPPAGEINFO* info) = 0;
    virtual HRESULT SetObjects(ULONG count, IUnknown** objects) = 0;
    virtual HRESULT Show(UINT command) = 0;
    virtual HRESULT Move(const RECT* rect) = 0;
    // S_OK when the page holds changes not yet applied, else S_FALSE.
    virtual HRESULT IsPageDirty() = 0;
    virtual HRESULT Apply() = 0;
    virtual HRESULT Help(LPCOLESTR helpDir) = 0;
    virtual HRESULT TranslateAccelerator(MSG* msg) = 0;
};

// Shows the pages, created by class id, for the objects, modally over owner; the caption
// is followed by " Properties". S_OK also when the user cancels; an error when no page
// could be made.
HRESULT OleCreatePropertyFrame(HWND owner, UINT x, UINT y, LPCOLESTR caption, ULONG objectCount, IUnknown** objects,
                               ULONG pageCount, const CLSID* pages, LCID locale, DWORD reserved, void* reserved2);
