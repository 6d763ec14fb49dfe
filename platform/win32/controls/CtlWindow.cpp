#include "win32/controls/CtlWindow.h"
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlHeader.h"
#include "win32/controls/CtlIpAddress.h"
#include "win32/controls/CtlListBox.h"
#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlProgress.h"
#include "win32/controls/CtlRichEdit.h"
#include "win32/controls/CtlStatic.h"
#include "win32/controls/CtlTab.h"
#include "win32/controls/CtlToolTip.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlTreeView.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/gdi/Paint.h"
#include "win32/controls/RichEdit.h"
#include "win32/windowing/Window.h"
#include "win32/windowing/WindowObserver.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

constexpr int kModelSlot = 0;

std::string Lower(std::string text)
{
    for (auto& c : text) c = static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    return text;
}

struct Registry {
    std::mutex lock;
    std::map<std::string, CtlFactory> factories;
};

Registry& Factories()
{
    static Registry registry;
    return registry;
}

class WindowHost : public CtlHost {
public:
    explicit WindowHost(HWND hwnd) : m_hwnd(hwnd) {}
    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        HWND parent = GetParent(m_hwnd);
        return parent ? SendMessageA(parent, message, wParam, lParam) : 0;
    }
    bool IsEnabled() const override { return IsWindowEnabled(m_hwnd) != FALSE; }
    RECT ClientRect() const override
    {
        RECT r{};
        GetClientRect(m_hwnd, &r);
        return r;
    }
    void TakeFocus() override
    {
        if (GetFocus() != m_hwnd) SetFocus(m_hwnd);
    }
    bool HasFocus() const override { return GetFocus() == m_hwnd; }
    void SetCapture(bool on) override
    {
        if (on)
            ::SetCapture(m_hwnd);
        else if (GetCapture() == m_hwnd)
            ReleaseCapture();
    }
    void Invalidate() override { InvalidateRect(m_hwnd, nullptr, FALSE); }
    HWND CreateChild(const char* cls, DWORD style, void* param) override
    {
        RECT r = ClientRect();
        return CreateWindowExA(0, cls, "", style, 0, 0, r.right - r.left, 20, m_hwnd, nullptr, nullptr, param);
    }
    void StyleChanged(DWORD style) override { SetWindowLongA(m_hwnd, GWL_STYLE, static_cast<LONG>(style)); }
    void UncheckRadioSiblings() override
    {
        // The group runs from the nearest sibling with WS_GROUP at or before this button up to the next one.
        HWND parent = GetParent(m_hwnd);
        if (!parent) return;
        HWND first = m_hwnd;
        while (!(GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
            HWND previous = GetWindow(first, GW_HWNDPREV);
            if (!previous) break;
            first = previous;
        }
        for (HWND h = first; h; h = GetWindow(h, GW_HWNDNEXT)) {
            if (h != first && (GetWindowLongA(h, GWL_STYLE) & WS_GROUP)) break;
            if (h == m_hwnd) continue;
            char name[16] = {};
            GetClassNameA(h, name, sizeof name);
            if (Lower(name) == "button" && (GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                SendMessageA(h, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }

private:
    HWND m_hwnd;
};

struct Control {
    CtlModel* model = nullptr;
    std::unique_ptr<CtlModel> owned;
    CtlHost* home = nullptr; // a borrowed model's own host, given back when the window goes
    std::unique_ptr<WindowHost> host;
};

Control* ControlOf(HWND hwnd)
{
    return reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, kModelSlot));
}

LRESULT ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto& cs = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        CtlFactory factory;
        {
            auto& registry = Factories();
            std::lock_guard guard(registry.lock);
            auto it = registry.factories.find(Lower(name));
            if (it != registry.factories.end()) factory = it->second;
        }
        if (!factory) return FALSE;
        auto control = std::make_unique<Control>();
        if (auto* borrowed = static_cast<CtlBorrowed*>(cs.lpCreateParams); borrowed && borrowed->model) {
            control->model = borrowed->model;
            control->home = borrowed->home;
        } else {
            control->owned.reset(factory(cs));
            control->model = control->owned.get();
        }
        if (!control->model) return FALSE;
        control->host = std::make_unique<WindowHost>(hwnd);
        // The caption given at creation is the control's first text, announced to nobody.
        control->model->Attach(nullptr, hwnd, static_cast<UINT>(GetDlgCtrlID(hwnd)));
        if (cs.lpszName && *cs.lpszName) control->model->Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(cs.lpszName));
        control->model->Attach(control->host.get(), hwnd, static_cast<UINT>(GetDlgCtrlID(hwnd)));
        control->model->Watch([hwnd] { MvNotifyWindowObservers(hwnd, MvWindowEvent::ControlState); });
        SetWindowLongPtrA(hwnd, kModelSlot, reinterpret_cast<LONG_PTR>(control.release()));
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    Control* control = ControlOf(hwnd);
    if (!control) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, kModelSlot, 0);
        control->model->Attach(control->home, nullptr, 0);
        // A model still running a call (its window destroyed by a notice's handler) goes when that returns.
        CtlBusy::Release([control] { delete control; });
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    CtlBusy busy;
    CtlModel& model = *control->model;
    model.SetStyle(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)));
    model.Attach(control->host.get(), hwnd, static_cast<UINT>(GetDlgCtrlID(hwnd)));
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd, &paint);
        model.Paint(dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    bool handled = false;
    LRESULT result = model.Handle(message, wParam, lParam, handled);
    return handled ? result : DefWindowProcA(hwnd, message, wParam, lParam);
}

template <typename T>
CtlFactory Make()
{
    return [](const CREATESTRUCTA& cs) -> CtlModel* { return new T(static_cast<DWORD>(cs.style)); };
}

} // namespace

bool CtlRegisterClass(const char* className, CtlFactory factory)
{
    {
        auto& registry = Factories();
        std::lock_guard guard(registry.lock);
        if (!registry.factories.emplace(Lower(className), std::move(factory)).second) return false;
    }
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
    wc.lpfnWndProc = ControlProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

CtlModel* CtlModelOf(HWND hwnd)
{
    if (!hwnd || !IsWindow(hwnd)) return nullptr;
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    {
        auto& registry = Factories();
        std::lock_guard guard(registry.lock);
        if (!registry.factories.count(Lower(name))) return nullptr;
    }
    Control* control = ControlOf(hwnd);
    return control ? control->model : nullptr;
}

void CtlRegisterControlClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        CtlRegisterClass(WC_BUTTON, Make<CtlButton>());
        CtlRegisterClass(WC_STATIC, Make<CtlStatic>());
        CtlRegisterClass(WC_EDIT, Make<CtlEdit>());
        CtlRegisterClass(RICHEDIT_CLASS, Make<CtlRichEdit>());
        CtlRegisterClass(RICHEDIT_CLASSW, Make<CtlRichEdit>());
        CtlRegisterClass(WC_COMBOBOX, Make<CtlComboBox>());
        CtlRegisterClass(WC_LISTBOX, Make<CtlListBox>());
        CtlRegisterClass(TRACKBAR_CLASS, Make<CtlTrackbar>());
        CtlRegisterClass(PROGRESS_CLASS, Make<CtlProgress>());
        CtlRegisterClass(WC_TABCONTROL, Make<CtlTab>());
        CtlRegisterClass(WC_IPADDRESS, Make<CtlIpAddress>());
        CtlRegisterClass(WC_HEADER, Make<CtlHeader>());
        CtlRegisterClass(WC_LISTVIEW, Make<CtlListView>());
        CtlRegisterClass(WC_TREEVIEW, Make<CtlTreeView>());
        CtlRegisterClass(TOOLTIPS_CLASS, Make<CtlToolTip>());
    });
}

void InitCommonControls()
{
    CtlRegisterControlClasses();
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init)
{
    if (!init) return FALSE;
    CtlRegisterControlClasses();
    return TRUE;
}

// The standard controls exist as soon as the library is loaded, as on the platform.
[[maybe_unused]] static const bool kRegistered = (CtlRegisterControlClasses(), true);
