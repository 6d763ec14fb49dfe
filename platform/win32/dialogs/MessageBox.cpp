#include "win32/dialogs/MessageBox.h"

#include "win32/dialogs/ScriptedPrompt.h"

namespace {
MvScriptedPrompt<MvMessageBoxRequest, int>& Boxes()
{
    static auto* prompt = new MvScriptedPrompt<MvMessageBoxRequest, int>;
    return *prompt;
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
    return Boxes().Ask(request, MvDefaultMessageBoxAnswer(type),
                       [](MvMessageBoxRequest& r, const int& answer) { r.answer = answer; });
}

BOOL MessageBeep(UINT)
{
    return TRUE;
}

void MvSetMessageBoxHandler(MvMessageBoxHandler handler) { Boxes().SetHandler(std::move(handler)); }
void MvScriptMessageBoxAnswer(int answer) { Boxes().Push(answer); }
std::vector<MvMessageBoxRequest> MvTakeShownMessageBoxes() { return Boxes().TakeShown(); }
