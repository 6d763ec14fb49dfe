#pragma once
// The tool tip: tools (a window or a rectangle of one) with their texts, active or not. Mouse
// messages relayed to it decide which tool's tip shows; a callback text is asked of the tool's window.
#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlModel.h"

#include <string>
#include <vector>

class CtlToolTip : public CtlModel {
public:
    struct Tool {
        UINT flags = 0;
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        RECT rect{};
        std::string text;
        bool callback = false;
        LPARAM param = 0;
    };

    explicit CtlToolTip(DWORD style = 0) : CtlModel(style) {}

    bool IsActive() const { return m_active; }
    const std::vector<Tool>& Tools() const { return m_tools; }
    int MaxTipWidth() const { return m_maxWidth; }
    // The tool whose tip shows, -1 for none, and its text.
    int Shown() const { return m_shown; }
    std::string ShownText();

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    int Find(HWND hwnd, UINT_PTR id) const;
    void Relay(const MSG& msg);

    std::vector<Tool> m_tools;
    bool m_active = true;
    int m_maxWidth = -1;
    int m_shown = -1;
    UINT m_delay = 500;
};
