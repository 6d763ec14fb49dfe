#include "WindowTestSupport.h"

#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Dialog.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/dialogs/Resources.h"

#include <gtest/gtest.h>

#include <map>

using namespace wintest;

namespace {

// A minimal push button for dialog tests: a default button says so, check state kept.
LRESULT ButtonProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    switch (m) {
    case WM_GETDLGCODE:
        return (GetWindowLongA(h, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
    case BM_SETCHECK:
        SetPropA(h, "check", reinterpret_cast<HANDLE>(w));
        return 0;
    case BM_GETCHECK:
        return reinterpret_cast<LRESULT>(GetPropA(h, "check"));
    default:
        return DefWindowProcA(h, m, w, l);
    }
}

void RegisterButton()
{
    static bool once = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ButtonProc;
        wc.lpszClassName = "MvTestButton";
        return RegisterClassA(&wc) != 0;
    }();
    (void)once;
}

MvDialogTemplate Template()
{
    RegisterButton();
    MvDialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 100;
    t.cy = 40;
    t.caption = "Test";
    t.items = {
        {"MvTestButton", "Name", 100, WS_VISIBLE | WS_TABSTOP, 0, 4, 4, 40, 12},
        {"MvTestButton", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 50, 24, 20, 12},
        {"MvTestButton", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 0, 74, 24, 20, 12},
        {"MvTestButton", "Hidden", 101, WS_TABSTOP, 0, 4, 24, 20, 12},
    };
    return t;
}

std::map<HWND, std::vector<int>> gCommands;

INT_PTR RecordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND) {
        gCommands[dialog].push_back(LOWORD(wParam));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

TEST(Dialog, TemplateBecomesWindowsInPixelsWithFocusOnFirstTabStop)
{
    MvDialogTemplate t = Template();
    HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 150) << "100 dialog units at 6 pixels per 4 units";
    EXPECT_EQ(client.bottom, 65) << "40 dialog units at 13 pixels per 8 units";
    HWND ok = GetDlgItem(dialog, IDOK);
    ASSERT_NE(ok, nullptr);
    RECT r;
    GetWindowRect(ok, &r);
    POINT p{r.left, r.top};
    ScreenToClient(dialog, &p);
    EXPECT_EQ(p.x, 75);
    EXPECT_EQ(p.y, 39);
    char text[16];
    GetDlgItemTextA(dialog, IDOK, text, sizeof text);
    EXPECT_STREQ(text, "OK");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 100));
    EXPECT_FALSE(IsWindowVisible(dialog)) << "shown only with WS_VISIBLE";
    HANDLE font = reinterpret_cast<HANDLE>(SendMessageA(ok, WM_GETFONT, 0, 0));
    EXPECT_NE(font, nullptr) << "DS_SETFONT: every control gets the template's font";
    EXPECT_EQ(reinterpret_cast<HANDLE>(SendMessageA(dialog, WM_GETFONT, 0, 0)), font);
    RECT du{0, 0, 8, 8};
    MapDialogRect(dialog, &du);
    EXPECT_EQ(du.right, 12);
    EXPECT_EQ(du.bottom, 13);
    DestroyWindow(dialog);
}

TEST(Dialog, MissingControlClassFailsTheDialog)
{
    MvDialogTemplate t = Template();
    t.items.push_back({"NoSuchControl", "", 5, WS_VISIBLE, 0, 0, 0, 5, 5});
    EXPECT_EQ(CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0), nullptr);
}

TEST(Dialog, KeysMoveFocusPressDefaultAndCancel)
{
    MvDialogTemplate t = Template();
    HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0);
    ShowWindow(dialog, SW_SHOW);
    gCommands.clear();
    auto key = [&](WPARAM vk) {
        MSG m{GetFocus() ? GetFocus() : dialog, WM_KEYDOWN, vk, 0, 0, {}};
        return IsDialogMessageA(dialog, &m);
    };
    EXPECT_TRUE(key(VK_TAB));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
    EXPECT_TRUE(key(VK_TAB));
    EXPECT_TRUE(key(VK_TAB));
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 100)) << "hidden controls are skipped, the order wraps";
    EXPECT_TRUE(key(VK_RETURN));
    EXPECT_TRUE(key(VK_ESCAPE));
    EXPECT_EQ(gCommands[dialog], (std::vector<int>{IDOK, IDCANCEL}));
    DestroyWindow(dialog);
}

TEST(Dialog, TabMovesThroughPagesInsideTheDialog)
{
    MvDialogTemplate outer = Template();
    HWND dialog = CreateDialogIndirectParamA(nullptr, &outer, nullptr, RecordingProc, 0);
    MvDialogTemplate inner = Template();
    inner.style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
    inner.items.resize(1);
    inner.items[0].id = 500;
    HWND page = CreateDialogIndirectParamA(nullptr, &inner, dialog, RecordingProc, 0);
    ASSERT_NE(page, nullptr);
    ShowWindow(dialog, SW_SHOW);
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    ASSERT_TRUE(IsDialogMessageA(dialog, &tab));
    EXPECT_EQ(GetFocus(), GetDlgItem(page, 500)) << "the page's control follows the dialog's last one";
    tab.hwnd = GetFocus();
    ASSERT_TRUE(IsDialogMessageA(page, &tab)) << "asked of the page, the dialog still moves on";
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, 100));
    DestroyWindow(dialog);
}

TEST(Dialog, ModalAnswersFromTheScriptAndFreesItsOwner)
{
    HWND owner = MakeWindow(nullptr, WS_POPUP | WS_VISIBLE);
    MvDialogTemplate t = Template();
    bool ownerDisabled = false;
    MvScriptModal([&](HWND dialog) {
        ownerDisabled = !IsWindowEnabled(owner);
        EXPECT_EQ(MvRunningModals().back(), dialog);
        EXPECT_TRUE(IsWindowVisible(dialog));
        PostMessageA(dialog, WM_COMMAND, MAKELONG(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &t, owner, RecordingProc, 0), IDCANCEL);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_TRUE(MvRunningModals().empty());

    // Registered by id; WM_CLOSE presses Cancel. Registrations last for the process: a repeated
    // run takes new ids.
    static UINT sFreeId = 4242;
    const UINT id = sFreeId;
    sFreeId += 2;
    EXPECT_TRUE(MvRegisterDialog(id, Template()));
    EXPECT_FALSE(MvRegisterDialog(id, Template())) << "the first registration wins";
    MvScriptModal([](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); });
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(id), owner, RecordingProc, 0), IDCANCEL);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(id + 1), owner, RecordingProc, 0), -1);
    DestroyWindow(owner);
}

TEST(MessageBox, ScriptedThenDefaultAnswersAreRecorded)
{
    MvTakeShownMessageBoxes();
    MvScriptMessageBoxAnswer(IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Replace?", "Tellora", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "Replace?", "Tellora", MB_YESNO), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Go?", nullptr, MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    auto shown = MvTakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "Replace?");
    EXPECT_EQ(shown[0].answer, IDNO);
    EXPECT_EQ(shown[2].caption, "Error") << "no caption: the system's";
    struct Case { UINT type; int answer; };
    for (Case c : {Case{MB_OK, IDOK}, {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE}, {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
                   {MB_RETRYCANCEL, IDRETRY}, {MB_YESNO | MB_DEFBUTTON3, IDYES}})
        EXPECT_EQ(MvDefaultMessageBoxAnswer(c.type), c.answer) << c.type;
}

TEST(Accelerators, KeysWithModifiersBecomeCommands)
{
    HWND h = MakeWindow(nullptr, WS_POPUP);
    Recorder::Get().Clear();
    ACCEL table[] = {{FVIRTKEY | FCONTROL, 'C', 57634}, {FVIRTKEY | FSHIFT, VK_INSERT, 57637}, {FVIRTKEY, VK_F6, 0xE150}};
    HACCEL accel = CreateAcceleratorTableA(table, 3);
    MSG m{h, WM_KEYDOWN, 'C', 0, 0, {}};
    EXPECT_EQ(TranslateAcceleratorA(h, accel, &m), 0) << "Ctrl is not down";
    MvSetKeyState(VK_CONTROL, true);
    EXPECT_EQ(TranslateAcceleratorA(h, accel, &m), 1);
    MvSetKeyState(VK_CONTROL, false);
    m.wParam = VK_F6;
    EXPECT_EQ(TranslateAcceleratorA(h, accel, &m), 1);
    MvSetKeyState(VK_SHIFT, true);
    EXPECT_EQ(TranslateAcceleratorA(h, accel, &m), 0) << "Shift+F6 is not in the table";
    MvSetKeyState(VK_SHIFT, false);
    auto cmds = Recorder::Get().Of(h, WM_COMMAND);
    ASSERT_EQ(cmds.size(), 2u);
    EXPECT_EQ(cmds[0].wParam, static_cast<WPARAM>(MAKELONG(57634, 1)));
    DestroyAcceleratorTable(accel);
    DestroyWindow(h);
}

} // namespace
