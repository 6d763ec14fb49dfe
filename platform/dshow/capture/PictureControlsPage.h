#pragma once
// The settings page of a camera's picture controls: a slider per control the device has,
// with its value; the device is set when the frame applies the page.
#include "com/ComObject.h"
#include "com/PropertyPage.h"

#include <vector>

struct IAMVideoProcAmp;

class CPictureControlsPage : public TComObject<IPropertyPage> {
public:
    static HRESULT Create(REFIID iid, void** object);

    HRESULT SetPageSite(IPropertyPageSite* site) override;
    HRESULT Activate(HWND parent, const RECT* rect, BOOL modal) override;
    HRESULT Deactivate() override;
    HRESULT GetPageInfo(PROPPAGEINFO* info) override;
    HRESULT SetObjects(ULONG count, IUnknown** objects) override;
    HRESULT Show(UINT command) override;
    HRESULT Move(const RECT* rect) override;
    HRESULT IsPageDirty() override { return m_dirty ? S_OK : S_FALSE; }
    HRESULT Apply() override;
    HRESULT Help(LPCOLESTR) override { return E_NOTIMPL; }
    HRESULT TranslateAccelerator(MSG*) override { return S_FALSE; }

private:
    ~CPictureControlsPage() override;
    static INT_PTR Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Moved(HWND slider);
    void ShowValue(size_t row, long value);

    struct Row {
        long property;
        long value;
    };
    IPropertyPageSite* m_site = nullptr;
    IAMVideoProcAmp* m_controls = nullptr;
    std::vector<Row> m_rows;
    HWND m_window = nullptr;
    bool m_dirty = false;
};
