#include "com/PropertyPage.h"

#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "win32/CodePage.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Dialog.h"
#include "win32/gdi/Rect.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int kTabsId = 0x3020;
constexpr int kApplyId = 0x3021;
// Room around the pages and below them for the buttons, in pixels.
constexpr int kGap = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

std::string Narrow(LPCOLESTR text)
{
    const int bytes = text ? WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr) : 0;
    if (bytes <= 1) return {};
    std::string out(size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
    out.pop_back(); // the terminating NUL
    return out;
}

// A page lets go of its objects and its site before it is released.
void LetGo(IPropertyPage* page)
{
    page->SetObjects(0, nullptr);
    page->SetPageSite(nullptr);
    page->Release();
}

struct Page {
    IPropertyPage* page = nullptr;
    std::string title;
    SIZE size{};
};

// The frame's side of each page: the pages tell it when they hold changes.
class PageSite : public TComObject<IPropertyPageSite> {
public:
    explicit PageSite(HWND* frame, LCID locale) : m_frame(frame), m_locale(locale) {}
    HRESULT OnStatusChange(DWORD flags) override
    {
        if ((flags & PROPPAGESTATUS_DIRTY) && *m_frame) EnableWindow(GetDlgItem(*m_frame, kApplyId), TRUE);
        return S_OK;
    }
    HRESULT GetLocaleID(LCID* locale) override
    {
        if (!locale) return E_POINTER;
        *locale = m_locale;
        return S_OK;
    }
    HRESULT GetPageContainer(IUnknown** container) override
    {
        if (container) *container = nullptr;
        return E_NOTIMPL;
    }
    HRESULT TranslateAccelerator(MSG*) override { return S_FALSE; }

private:
    HWND* m_frame;
    LCID m_locale;
};

class PropertyFrame {
public:
    INT_PTR Run(HWND owner, const std::string& caption)
    {
        SIZE largest{0, 0};
        for (const Page& page : m_pages) {
            largest.cx = std::max(largest.cx, page.size.cx);
            largest.cy = std::max(largest.cy, page.size.cy);
        }
        m_pageSize = largest;
        MvDialogTemplate frame;
        frame.caption = caption;
        frame.style |= DS_CENTER;
        frame.items = {
            {WC_TABCONTROL, "", kTabsId, WS_VISIBLE | WS_TABSTOP},
            {"Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
            {"Button", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP},
            {"Button", "&Apply", kApplyId, WS_VISIBLE | WS_TABSTOP | WS_DISABLED},
        };
        return DialogBoxIndirectParamA(nullptr, &frame, owner, Proc, reinterpret_cast<LPARAM>(this));
    }

    HWND m_dialog = nullptr;
    std::vector<Page> m_pages;

private:
    static INT_PTR Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<PropertyFrame*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            self->m_dialog = dialog;
            self->Lay();
            return TRUE;
        }
        auto* self = reinterpret_cast<PropertyFrame*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!self) return FALSE;
        switch (message) {
        case WM_COMMAND:
            return self->Command(LOWORD(wParam));
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header && header->idFrom == UINT_PTR(kTabsId) && header->code == TCN_SELCHANGE)
                self->ShowOnly(int(SendDlgItemMessageA(dialog, kTabsId, TCM_GETCURSEL, 0, 0)));
            return TRUE;
        }
        case WM_DESTROY:
            self->Deactivate();
            return FALSE;
        default:
            return FALSE;
        }
    }

    // The tabs hold the largest page; the buttons sit in a row under them on the right.
    void Lay()
    {
        HWND tabs = GetDlgItem(m_dialog, kTabsId);
        for (size_t i = 0; i < m_pages.size(); ++i) {
            TCITEM item{};
            item.mask = TCIF_TEXT;
            item.pszText = m_pages[i].title.data();
            SendMessageA(tabs, TCM_INSERTITEM, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        }
        RECT display{0, 0, m_pageSize.cx, m_pageSize.cy};
        SendMessageA(tabs, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&display));
        const int tabsWidth = std::max<int>(display.right - display.left, 3 * kButtonWidth + 2 * kGap);
        const int tabsHeight = display.bottom - display.top;
        MoveWindow(tabs, kGap, kGap, tabsWidth, tabsHeight, TRUE);
        const int clientWidth = tabsWidth + 2 * kGap;
        const int buttonsTop = kGap + tabsHeight + kGap;
        const int clientHeight = buttonsTop + kButtonHeight + kGap;
        const int ids[] = {IDOK, IDCANCEL, kApplyId};
        for (int i = 0; i < 3; ++i) {
            const int left = clientWidth - kGap - (3 - i) * kButtonWidth - (2 - i) * kGap;
            MoveWindow(GetDlgItem(m_dialog, ids[i]), left, buttonsTop, kButtonWidth, kButtonHeight, TRUE);
        }
        RECT window{}, client{};
        GetWindowRect(m_dialog, &window);
        GetClientRect(m_dialog, &client);
        SetWindowPos(m_dialog, nullptr, 0, 0, (window.right - window.left) - client.right + clientWidth,
                     (window.bottom - window.top) - client.bottom + clientHeight, SWP_NOMOVE | SWP_NOZORDER);

        RECT area{0, 0, tabsWidth, tabsHeight};
        SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
        OffsetRect(&area, kGap, kGap);
        for (Page& page : m_pages) page.page->Activate(m_dialog, &area, TRUE);
        ShowOnly(0);
    }

    void ShowOnly(int index)
    {
        for (size_t i = 0; i < m_pages.size(); ++i) m_pages[i].page->Show(int(i) == index ? SW_SHOW : SW_HIDE);
    }

    INT_PTR Command(int id)
    {
        switch (id) {
        case IDOK:
            if (!ApplyAll()) return TRUE;
            EndDialog(m_dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(m_dialog, IDCANCEL);
            return TRUE;
        case kApplyId:
            if (ApplyAll()) EnableWindow(GetDlgItem(m_dialog, kApplyId), FALSE);
            return TRUE;
        default:
            return FALSE;
        }
    }

    // A page that refuses its values keeps the frame open on that page.
    bool ApplyAll()
    {
        for (size_t i = 0; i < m_pages.size(); ++i) {
            IPropertyPage* page = m_pages[i].page;
            if (page->IsPageDirty() != S_OK) continue;
            if (FAILED(page->Apply())) {
                SendDlgItemMessageA(m_dialog, kTabsId, TCM_SETCURSEL, WPARAM(i), 0);
                ShowOnly(int(i));
                return false;
            }
        }
        return true;
    }

    void Deactivate()
    {
        for (Page& page : m_pages) page.page->Deactivate();
    }

    SIZE m_pageSize{};
};

} // namespace

HRESULT OleCreatePropertyFrame(HWND owner, UINT, UINT, LPCOLESTR caption, ULONG objectCount, IUnknown** objects,
                               ULONG pageCount, const CLSID* pages, LCID locale, DWORD, void*)
{
    if (pageCount && !pages) return E_POINTER;
    if (objectCount && !objects) return E_POINTER;
    PropertyFrame frame;
    auto* site = new PageSite(&frame.m_dialog, locale);
    for (ULONG i = 0; i < pageCount; ++i) {
        IPropertyPage* page = nullptr;
        if (FAILED(CoCreateInstance(pages[i], nullptr, CLSCTX_INPROC_SERVER, IPropertyPage::kIid,
                                    reinterpret_cast<void**>(&page))))
            continue;
        PROPPAGEINFO info{};
        info.cb = sizeof info;
        const bool ready = SUCCEEDED(page->SetPageSite(site)) && SUCCEEDED(page->SetObjects(objectCount, objects)) &&
                           SUCCEEDED(page->GetPageInfo(&info));
        if (ready) frame.m_pages.push_back({page, Narrow(info.pszTitle), info.size});
        CoTaskMemFree(info.pszTitle);
        CoTaskMemFree(info.pszDocString);
        CoTaskMemFree(info.pszHelpFile);
        if (!ready) LetGo(page);
    }
    INT_PTR result = -1;
    if (!frame.m_pages.empty()) {
        std::string title = Narrow(caption);
        title += title.empty() ? "Properties" : " Properties";
        result = frame.Run(owner, title);
    }
    for (Page& page : frame.m_pages) LetGo(page.page);
    site->Release();
    return result == -1 ? E_FAIL : S_OK;
}
