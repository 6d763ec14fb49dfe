#pragma once
// Base of the headless control models. A model holds every piece of a control's state,
// answers the control's messages and sends the notices a user's action causes to its
// parent through a host. A display peer observes it with Watch and feeds user actions in.
#include "win32/Messages.h"

#include <functional>
#include <vector>

// What a control needs of the window it lives in.
class CtlHost {
public:
    virtual ~CtlHost() = default;
    virtual LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    virtual bool IsEnabled() const = 0;
    virtual RECT ClientRect() const = 0;
    virtual void TakeFocus() = 0;
    virtual bool HasFocus() const = 0;
    virtual void SetCapture(bool on) = 0;
    // Auto radio buttons: clears the other auto radio buttons of the group.
    virtual void UncheckRadioSiblings() {}
    // The control changed its own style (read-only, check-box list...).
    virtual void StyleChanged(DWORD) {}
    // The control's look changed: the window is to be painted again.
    virtual void Invalidate() {}
    // A child window of the control (a list view's header), handed `param` at creation.
    virtual HWND CreateChild(const char*, DWORD, void*) { return nullptr; }
};

class CtlModel {
public:
    explicit CtlModel(DWORD style = 0) : m_style(style) {}
    virtual ~CtlModel() = default;
    CtlModel(const CtlModel&) = delete;
    CtlModel& operator=(const CtlModel&) = delete;

    void Attach(CtlHost* host, HWND window, UINT id);
    HWND Window() const { return m_window; }
    UINT Id() const { return m_id; }
    DWORD Style() const { return m_style; }
    void SetStyle(DWORD style) { m_style = style; }
    bool IsEnabled() const { return !m_host || m_host->IsEnabled(); }

    // The control's message handling; `handled` false leaves the message to default processing.
    virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) = 0;
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Draws the control into dc when its window is painted (owner drawing, custom drawing).
    virtual void Paint(HDC) {}

    // Observers are told after every change of state.
    int Watch(std::function<void()> observer);
    void Unwatch(int cookie);

protected:
    // Tells observers and asks for a repaint.
    void Changed();
    LRESULT Command(int code);
    static POINT PointOf(LPARAM lParam)
    {
        return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    }
    LRESULT Notify(NMHDR& header, UINT code);
    LRESULT ToParent(UINT message, WPARAM wParam, LPARAM lParam);
    // Asks the parent to draw an owner-drawn control (or one of its items) into dc.
    LRESULT DrawOwnerItem(UINT type, UINT item, UINT state, HDC dc, RECT rect, DWORD_PTR data = 0);
    CtlHost* Host() const { return m_host; }

private:
    CtlHost* m_host = nullptr;
    HWND m_window = nullptr;
    UINT m_id = 0;
    DWORD m_style;
    int m_nextCookie = 1;
    std::vector<std::pair<int, std::function<void()>>> m_observers;
};
