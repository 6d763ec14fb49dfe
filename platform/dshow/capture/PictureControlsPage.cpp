#include "dshow/capture/PictureControlsPage.h"

#include "com/ClassRegistry.h"
#include "com/ComRuntime.h"
#include "dshow/capture/PictureControls.h"
#include "win32/CodePage.h"
#include "win32/controls/CommCtrl.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <string>

namespace {

constexpr int kSliderFirst = 100;
constexpr int kValueFirst = 200;
// Pixels of one row and the page's width.
constexpr int kRowHeight = 32;
constexpr int kWidth = 320;

LPOLESTR TaskText(const char* text)
{
    const int count = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    auto* out = static_cast<LPOLESTR>(CoTaskMemAlloc(size_t(count) * sizeof(OLECHAR)));
    if (out) MultiByteToWideChar(CP_UTF8, 0, text, -1, out, count);
    return out;
}

} // namespace

void DShowRegisterPictureControlsPage() { ComRegisterClass(CLSID_PictureControlsPage, &CPictureControlsPage::Create); }

HRESULT CPictureControlsPage::Create(REFIID iid, void** object) { return CreateComObject<CPictureControlsPage>(iid, object); }

CPictureControlsPage::~CPictureControlsPage()
{
    Deactivate();
    SetObjects(0, nullptr);
    SetPageSite(nullptr);
}

HRESULT CPictureControlsPage::SetPageSite(IPropertyPageSite* site)
{
    if (site) site->AddRef();
    if (m_site) m_site->Release();
    m_site = site;
    return S_OK;
}

HRESULT CPictureControlsPage::SetObjects(ULONG count, IUnknown** objects)
{
    SafeRelease(m_controls);
    m_rows.clear();
    m_dirty = false;
    if (count == 0) return S_OK;
    if (!objects || !objects[0] || FAILED(QueryInterfaceTo(objects[0], &m_controls))) return E_NOINTERFACE;
    for (long property = VideoProcAmp_Brightness; property <= VideoProcAmp_Gain; ++property) {
        long min, max, step, defaultValue, caps, value, flags;
        if (FAILED(m_controls->GetRange(property, &min, &max, &step, &defaultValue, &caps))) continue;
        if (FAILED(m_controls->Get(property, &value, &flags))) value = defaultValue;
        m_rows.push_back({property, value});
    }
    return S_OK;
}

HRESULT CPictureControlsPage::GetPageInfo(PROPPAGEINFO* info)
{
    if (!info) return E_POINTER;
    info->cb = sizeof *info;
    info->pszTitle = TaskText("Video Proc Amp");
    info->size = SIZE{kWidth, LONG(m_rows.size() * kRowHeight + 16)};
    info->pszDocString = nullptr;
    info->pszHelpFile = nullptr;
    info->dwHelpContext = 0;
    return S_OK;
}

HRESULT CPictureControlsPage::Activate(HWND parent, const RECT* rect, BOOL)
{
    if (!m_controls || !rect) return E_UNEXPECTED;
    Deactivate();
    // One row a control, in dialog units: its name, its slider and its value.
    MvDialogTemplate page;
    page.style = WS_CHILD | DS_CONTROL;
    page.cx = 200;
    page.cy = short(m_rows.size() * 20 + 8);
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const short top = short(4 + i * 20);
        page.items.push_back({"Static", CPictureControls::NameOf(m_rows[i].property), -1, WS_VISIBLE, 0, 4, short(top + 3), 56, 10});
        page.items.push_back({TRACKBAR_CLASS, "", int(kSliderFirst + i), WS_VISIBLE | WS_TABSTOP, 0, 62, top, 100, 16});
        page.items.push_back({"Static", "", int(kValueFirst + i), WS_VISIBLE, 0, 166, short(top + 3), 30, 10});
    }
    m_window = CreateDialogIndirectParamA(nullptr, &page, parent, Proc, reinterpret_cast<LPARAM>(this));
    if (!m_window) return E_FAIL;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        long min = 0, max = 0, step = 1, defaultValue = 0, caps = 0;
        m_controls->GetRange(m_rows[i].property, &min, &max, &step, &defaultValue, &caps);
        HWND slider = GetDlgItem(m_window, int(kSliderFirst + i));
        SendMessageA(slider, TBM_SETRANGEMIN, FALSE, min);
        SendMessageA(slider, TBM_SETRANGEMAX, FALSE, max);
        SendMessageA(slider, TBM_SETPOS, TRUE, m_rows[i].value);
        ShowValue(i, m_rows[i].value);
    }
    Move(rect);
    return S_OK;
}

HRESULT CPictureControlsPage::Deactivate()
{
    if (m_window) DestroyWindow(m_window);
    m_window = nullptr;
    return S_OK;
}

HRESULT CPictureControlsPage::Show(UINT command)
{
    if (!m_window) return E_UNEXPECTED;
    ShowWindow(m_window, int(command));
    return S_OK;
}

HRESULT CPictureControlsPage::Move(const RECT* rect)
{
    if (!m_window || !rect) return E_UNEXPECTED;
    MoveWindow(m_window, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, TRUE);
    return S_OK;
}

HRESULT CPictureControlsPage::Apply()
{
    if (!m_controls) return E_UNEXPECTED;
    HRESULT result = S_OK;
    for (const Row& row : m_rows)
        if (FAILED(m_controls->Set(row.property, row.value, VideoProcAmp_Flags_Manual))) result = E_FAIL;
    if (SUCCEEDED(result)) m_dirty = false;
    return result;
}

INT_PTR CPictureControlsPage::Proc(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return FALSE;
    }
    auto* self = reinterpret_cast<CPictureControlsPage*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self && message == WM_HSCROLL && lParam) {
        self->Moved(reinterpret_cast<HWND>(lParam));
        return TRUE;
    }
    return FALSE;
}

void CPictureControlsPage::Moved(HWND slider)
{
    const int id = GetDlgCtrlID(slider);
    if (id < kSliderFirst || size_t(id - kSliderFirst) >= m_rows.size()) return;
    const size_t row = size_t(id - kSliderFirst);
    const long value = long(SendMessageA(slider, TBM_GETPOS, 0, 0));
    if (value == m_rows[row].value) return;
    m_rows[row].value = value;
    ShowValue(row, value);
    m_dirty = true;
    if (m_site) m_site->OnStatusChange(PROPPAGESTATUS_DIRTY);
}

void CPictureControlsPage::ShowValue(size_t row, long value)
{
    SetDlgItemTextA(m_window, int(kValueFirst + row), std::to_string(value).c_str());
}
