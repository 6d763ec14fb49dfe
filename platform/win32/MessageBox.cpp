#include "win32/MessageBox.h"

#include "win32/UserState.h"

#include <deque>

using mvuser::Guard;
using mvuser::Lock;

namespace {
struct State {
    MvMessageBoxHandler handler;
    std::deque<int> answers;
    std::vector<MvMessageBoxRequest> shown;
};
State& S()
{
    static State* state = new State;
    return *state;
}
} // namespace

int MvDefaultMessageBoxAnswer(UINT type)
{
    // A default beyond the box's buttons falls back to its first button.
    static const int buttons[6][3] = {{IDOK, IDOK, IDOK},          {IDOK, IDCANCEL, IDOK},
                                      {IDABORT, IDRETRY, IDIGNORE}, {IDYES, IDNO, IDCANCEL},
                                      {IDYES, IDNO, IDYES},         {IDRETRY, IDCANCEL, IDRETRY}};
    UINT kind = type & MB_TYPEMASK;
    UINT def = (type & MB_DEFMASK) >> 8;
    if (kind > 5) kind = 0;
    if (def > 2) def = 0;
    return buttons[kind][def];
}

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    MvMessageBoxRequest request{owner, text ? text : "", caption ? caption : "Error", type, 0};
    MvMessageBoxHandler handler;
    {
        Guard guard(Lock());
        if (!S().answers.empty()) {
            request.answer = S().answers.front();
            S().answers.pop_front();
        }
        handler = S().handler;
    }
    if (!request.answer) request.answer = handler ? handler(request) : MvDefaultMessageBoxAnswer(type);
    Guard guard(Lock());
    S().shown.push_back(request);
    return request.answer;
}

BOOL MessageBeep(UINT)
{
    return TRUE;
}

void MvSetMessageBoxHandler(MvMessageBoxHandler handler)
{
    Guard guard(Lock());
    S().handler = std::move(handler);
}

void MvScriptMessageBoxAnswer(int answer)
{
    Guard guard(Lock());
    S().answers.push_back(answer);
}

std::vector<MvMessageBoxRequest> MvTakeShownMessageBoxes()
{
    Guard guard(Lock());
    std::vector<MvMessageBoxRequest> out;
    out.swap(S().shown);
    return out;
}
