#pragma once
// Message boxes. A display backend answers them through a handler; without one
// (headless, in tests) the next scripted answer is taken, else the default button.
// Every box shown is recorded for tests.
#include "win32/Messages.h"

#include <functional>
#include <string>
#include <vector>

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONHAND 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFMASK 0x00000F00L
#define MB_APPLMODAL 0x00000000L
#define MB_SYSTEMMODAL 0x00001000L
#define MB_TASKMODAL 0x00002000L
#define MB_SETFOREGROUND 0x00010000L
#define MB_TOPMOST 0x00040000L

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
#define MessageBox MessageBoxA
BOOL MessageBeep(UINT type);

struct MvMessageBoxRequest {
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
    int answer;
};
using MvMessageBoxHandler = std::function<int(const MvMessageBoxRequest&)>;
void MvSetMessageBoxHandler(MvMessageBoxHandler handler);
// The answers (IDOK, IDYES, ...) the next boxes get, in order.
void MvScriptMessageBoxAnswer(int answer);
// The boxes shown since the last call, with their answers.
std::vector<MvMessageBoxRequest> MvTakeShownMessageBoxes();
// The answer of a box of this type when nobody chooses: its default button.
int MvDefaultMessageBoxAnswer(UINT type);
