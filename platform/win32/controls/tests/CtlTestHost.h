#pragma once
// A stand-in parent for control models: records the WM_COMMAND and WM_NOTIFY notices a
// control sends, and can answer them with a callback.
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlModel.h"

#include <functional>
#include <vector>

struct CtlNotice {
    UINT message;
    int code;
    UINT id;
};

class CtlTestHost : public CtlHost {
public:
    LRESULT SendToParent(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            notices.push_back({message, static_cast<int>(static_cast<short>(HIWORD(wParam))), LOWORD(wParam)});
        else if (message == WM_NOTIFY)
            notices.push_back({message, static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->code),
                               static_cast<UINT>(reinterpret_cast<NMHDR*>(lParam)->idFrom)});
        else // scroll notices carry their code in the low word
            notices.push_back({message, LOWORD(wParam), 0});
        return answer ? answer(message, wParam, lParam) : 0;
    }
    bool IsEnabled() const override { return enabled; }
    RECT ClientRect() const override { return client; }
    void TakeFocus() override { focused = true; }
    bool HasFocus() const override { return focused; }
    void SetCapture(bool on) override { captured = on; }
    void StyleChanged(DWORD style) override { lastStyle = style; }

    // How often a notice with this code was sent.
    int Count(int code, UINT message = 0) const
    {
        int n = 0;
        for (auto& notice : notices)
            if (notice.code == code && (message == 0 || notice.message == message)) ++n;
        return n;
    }
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (auto& notice : notices) codes.push_back(notice.code);
        return codes;
    }

    std::vector<CtlNotice> notices;
    std::function<LRESULT(UINT, WPARAM, LPARAM)> answer;
    bool enabled = true;
    bool focused = false;
    bool captured = false;
    DWORD lastStyle = 0;
    RECT client{0, 0, 200, 30};
};
