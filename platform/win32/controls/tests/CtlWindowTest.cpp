#include "WindowTestSupport.h"

#include "win32/controls/CommCtrl.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlRichEdit.h"
#include "win32/controls/CtlStatic.h"
#include "win32/controls/CtlListView.h"
#include "win32/controls/CtlTrackbar.h"
#include "win32/controls/CtlTreeView.h"
#include "win32/controls/CtlUser.h"
#include "win32/controls/CtlWindow.h"
#include "win32/kernel/Clock.h"
#include "win32/dialogs/Dialog.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Paint.h"
#include "win32/dialogs/Resources.h"
#include "win32/controls/RichEdit.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/WindowObserver.h"

#include <gtest/gtest.h>

using namespace wintest;

namespace {

class CtlWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Recorder::Get().Clear();
        parent = MakeWindow(nullptr, WS_OVERLAPPEDWINDOW);
    }
    void TearDown() override
    {
        DestroyWindow(parent);
        MvPumpUntilIdle();
        Recorder::Get().Clear();
    }
    HWND Child(const char* cls, DWORD style, int id, const char* caption = "", RECT r = {0, 0, 180, 24})
    {
        return CreateWindowExA(0, cls, caption, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr,
                               nullptr);
    }
    // The notification codes the parent received from one control, in order.
    std::vector<int> CommandsFrom(int id)
    {
        std::vector<int> codes;
        for (auto& r : Recorder::Get().Of(parent, WM_COMMAND))
            if (LOWORD(r.wParam) == id) codes.push_back(HIWORD(r.wParam));
        return codes;
    }
    HWND parent = nullptr;
};

TEST_F(CtlWindowTest, ClickingAButtonWindowTellsTheParent)
{
    HWND box = Child(WC_BUTTON, BS_AUTOCHECKBOX, 5, "Bold");
    ASSERT_TRUE(box);
    ASSERT_NE(CtlModelAs<CtlButton>(box), nullptr);
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(CommandsFrom(5), (std::vector<int>{BN_CLICKED}));
    EXPECT_EQ(GetFocus(), box);
    char text[16];
    GetWindowTextA(box, text, sizeof text);
    EXPECT_STREQ(text, "Bold");
    EnableWindow(box, FALSE);
    SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(CommandsFrom(5).size(), 1u);
}

TEST_F(CtlWindowTest, AScriptedClickReachesNoDisabledWindow)
{
    HWND play = Child(WC_BUTTON, BS_PUSHBUTTON, 6, "Play", {20, 30, 100, 50});
    ASSERT_TRUE(play);
    // A disabled control: its click falls to the parent, at the same place on the screen.
    EnableWindow(play, FALSE);
    CtlUserClick(play, {4, 5});
    EXPECT_TRUE(CommandsFrom(6).empty());
    auto down = Recorder::Get().Of(parent, WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].lParam, MAKELPARAM(24, 35));

    // The owner of a modal dialog is disabled: nothing in it hears the mouse.
    EnableWindow(play, TRUE);
    EnableWindow(parent, FALSE);
    Recorder::Get().Clear();
    CtlUserClick(play, {4, 5});
    CtlUserRightClick(parent, {1, 1});
    EXPECT_TRUE(CommandsFrom(6).empty());
    EXPECT_TRUE(Recorder::Get().Of(parent, WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(Recorder::Get().Of(parent, WM_RBUTTONDOWN).empty());
    EnableWindow(parent, TRUE);
    CtlUserClick(play, {4, 5});
    EXPECT_EQ(CommandsFrom(6), (std::vector<int>{BN_CLICKED}));
}

TEST_F(CtlWindowTest, AutoRadioButtonsOfAGroupExcludeEachOther)
{
    HWND a = Child(WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP, 1);
    HWND b = Child(WC_BUTTON, BS_AUTORADIOBUTTON, 2);
    HWND c = Child(WC_BUTTON, BS_AUTORADIOBUTTON, 3);
    HWND other = Child(WC_BUTTON, BS_AUTORADIOBUTTON | WS_GROUP, 4);
    // Siblings in tab order, as a dialog lays out its template.
    for (HWND h : {a, b, c, other}) SetWindowPos(h, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SendMessageA(a, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(c, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(c, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(CtlWindowTest, AnEditStartsWithItsCaptionSilently)
{
    HWND edit = Child(WC_EDIT, ES_AUTOHSCROLL, 9, "abc");
    char text[16];
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "abc");
    EXPECT_TRUE(CommandsFrom(9).empty());
    SendMessageA(edit, WM_CHAR, 'd', 0);
    EXPECT_EQ(CommandsFrom(9), (std::vector<int>{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(CtlModelAs<CtlEdit>(edit)->GetText(), "dabc"); // a new text leaves the caret at its start
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
}

TEST_F(CtlWindowTest, ComboSelectionByTheUserReachesTheParentAndObservers)
{
    struct Counter : IMvWindowObserver {
        HWND watched = nullptr;
        int changes = 0;
        void OnWindowEvent(HWND hwnd, MvWindowEvent event) override
        {
            if (hwnd == watched && event == MvWindowEvent::ControlState) ++changes;
        }
    } observer;
    HWND combo = Child(WC_COMBOBOX, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL, 20001);
    observer.watched = combo;
    MvAddWindowObserver(&observer);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Zira"));
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("David"));
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    EXPECT_TRUE(CommandsFrom(20001).empty());
    CtlModelAs<CtlComboBox>(combo)->UserPick(0);
    std::vector<int> codes = CommandsFrom(20001);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELCHANGE), 1);
    char text[16];
    GetWindowTextA(combo, text, sizeof text);
    EXPECT_STREQ(text, "David");
    EXPECT_GT(observer.changes, 0);
    MvRemoveWindowObserver(&observer);
}

TEST_F(CtlWindowTest, ReleasingATrackbarThumbNotifiesTheParent)
{
    HWND bar = Child(TRACKBAR_CLASS, TBS_HORZ | TBS_BOTH | TBS_NOTICKS, 20003, "", {0, 0, 200, 30});
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    auto* model = CtlModelAs<CtlTrackbar>(bar);
    ASSERT_NE(model, nullptr);
    POINT from = model->PointOf(0);
    POINT to = model->PointOf(40);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    EXPECT_EQ(GetCapture(), bar);
    SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_EQ(SendMessageA(bar, TBM_GETPOS, 0, 0), 40);
    EXPECT_EQ(GetCapture(), nullptr);
    auto notes = Recorder::Get().Of(parent, WM_NOTIFY);
    ASSERT_EQ(notes.size(), 1u);
    auto* header = reinterpret_cast<NMHDR*>(notes[0].lParam);
    (void)header; // the record only lived during the send; the id travels in wParam
    EXPECT_EQ(notes[0].wParam, 20003u);
    EXPECT_FALSE(Recorder::Get().Of(parent, WM_HSCROLL).empty());
}

TEST_F(CtlWindowTest, AListViewHeaderWindowTurnsClicksIntoColumnClicks)
{
    HWND list = Child(WC_LISTVIEW, LVS_REPORT, 10089, "", {0, 0, 300, 200});
    LVCOLUMN column{LVCF_TEXT | LVCF_WIDTH, 0, 120, const_cast<char*>("Property"), 0, 0, 0, 0};
    SendMessageA(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&column));
    auto header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    ASSERT_TRUE(header);
    EXPECT_EQ(GetParent(header), list);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 1);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    auto notes = Recorder::Get().Of(parent, WM_NOTIFY);
    ASSERT_EQ(notes.size(), 1u);
    SetWindowLongA(header, GWL_STYLE, GetWindowLongA(header, GWL_STYLE) & ~HDS_BUTTONS);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_EQ(Recorder::Get().Of(parent, WM_NOTIFY).size(), 1u);
    DestroyWindow(list);
}

TEST_F(CtlWindowTest, ItemViewsAskForTheContextMenuUnlessTheParentTookTheRightClick)
{
    HWND list = Child(WC_LISTVIEW, LVS_REPORT, 10089, "", {0, 0, 300, 200});
    HWND tree = Child(WC_TREEVIEW, 0, 10090, "", {0, 210, 300, 300});
    ASSERT_TRUE(list && tree);
    for (HWND view : {list, tree}) {
        for (LRESULT answer : {0, 1}) {
            int rclicks = 0;
            Recorder::Get().Clear();
            Recorder::Get().SetHandler(parent, [&](HWND, UINT m, WPARAM, LPARAM l, bool& handled) -> LRESULT {
                handled = m == WM_NOTIFY && reinterpret_cast<NMHDR*>(l)->code == NM_RCLICK;
                rclicks += handled;
                return answer;
            });
            CtlUserRightClick(view, {40, 30});
            EXPECT_EQ(rclicks, 1);
            auto menus = Recorder::Get().Of(parent, WM_CONTEXTMENU);
            ASSERT_EQ(menus.size(), answer ? 0u : 1u) << "answer " << answer;
            if (!answer) {
                EXPECT_EQ(menus[0].wParam, reinterpret_cast<WPARAM>(view));
            }
        }
    }
    Recorder::Get().SetHandler(parent, nullptr);
    DestroyWindow(list);
    DestroyWindow(tree);
}

TEST_F(CtlWindowTest, ScriptedInputPassesPreTranslationLikeRealInput)
{
    HWND edit = Child(WC_EDIT, ES_MULTILINE | ES_WANTRETURN, 11, "", {0, 0, 200, 80});
    std::vector<UINT> seen;
    MvSetPreTranslateHook([&](MSG& msg) {
        if (msg.hwnd == edit) seen.push_back(msg.message);
        return false;
    });
    CtlUserType(edit, "Hi\n\xc3\xa9");
    MvSetPreTranslateHook(nullptr);
    EXPECT_EQ(CtlModelAs<CtlEdit>(edit)->GetText(), "Hi\r\n\xc3\xa9");
    EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_CHAR)), 4);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), static_cast<UINT>(WM_KEYUP)), 3);
    EXPECT_EQ(GetFocus(), edit);

    HWND box = Child(WC_BUTTON, BS_AUTOCHECKBOX, 12, "Underline");
    CtlUserClick(box, {3, 3});
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    CtlUserKey(box, VK_SPACE);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(CommandsFrom(12), (std::vector<int>{BN_CLICKED, BN_CLICKED}));
}

TEST_F(CtlWindowTest, AComboOpensAndPicksWithTwoClicks)
{
    HWND combo = Child(WC_COMBOBOX, CBS_DROPDOWNLIST | WS_VSCROLL, 20001, "", {0, 0, 120, 110});
    for (const char* name : {"Anna", "Mike", "Sam"}) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    auto* model = CtlModelAs<CtlComboBox>(combo);
    CtlUserClick(combo, {10, 5});
    EXPECT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    RECT second = model->ItemRect(1);
    CtlUserClick(combo, {10, second.top + 2});
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(CommandsFrom(20001), (std::vector<int>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));

    HWND simple = Child(WC_COMBOBOX, CBS_SIMPLE, 20002, "", {0, 0, 120, 110});
    for (const char* name : {"Anna", "Mike"}) SendMessageA(simple, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    CtlUserClick(simple, {10, CtlModelAs<CtlComboBox>(simple)->ItemRect(1).top + 2});
    EXPECT_EQ(SendMessageA(simple, CB_GETCURSEL, 0, 0), 1) << "a simple combo's list is always there";
}

TEST_F(CtlWindowTest, DialogTemplatesCreateTheControlsByClassName)
{
    MvDialogTemplate speech;
    speech.style = WS_CHILD;
    speech.cx = 200;
    speech.cy = 80;
    speech.items = {
        {"Static", "Voice", 20000, 0, 0, 4, 4, 30, 8},
        {"ComboBox", "", 20001, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0, 40, 2, 150, 100},
        {"msctls_trackbar32", "", 20003, TBS_BOTH | TBS_NOTICKS | WS_TABSTOP, 0, 40, 20, 150, 15},
        {"RichEdit20a", "", 10078, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL, 0, 0, 40, 200, 40},
        {"Button", "Bold", 10069, BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0, 0, 15, 14},
    };
    HWND dialog = CreateDialogIndirectParamA(nullptr, &speech, parent, nullptr, 0);
    ASSERT_TRUE(dialog);
    EXPECT_NE(CtlModelAs<CtlComboBox>(GetDlgItem(dialog, 20001)), nullptr);
    EXPECT_NE(CtlModelAs<CtlTrackbar>(GetDlgItem(dialog, 20003)), nullptr);
    EXPECT_NE(CtlModelAs<CtlRichEdit>(GetDlgItem(dialog, 10078)), nullptr);
    char text[16] = {};
    GetDlgItemTextA(dialog, 20000, text, sizeof text);
    EXPECT_STREQ(text, "Voice");
    SendDlgItemMessageA(dialog, 20001, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Mike"));
    EXPECT_EQ(SendDlgItemMessageA(dialog, 20001, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("mike")), 0);
    CheckDlgButton(dialog, 10069, BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(dialog, 10069), static_cast<UINT>(BST_CHECKED));
    DestroyWindow(dialog);
}

TEST_F(CtlWindowTest, AStaticIsPaintedInTheColoursItsParentChooses)
{
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    Recorder::Get().SetHandler(parent, [&](HWND, UINT message, WPARAM wParam, LPARAM, bool& handled) -> LRESULT {
        handled = message == WM_CTLCOLORSTATIC;
        if (!handled) return 0;
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 0, 0));
        return reinterpret_cast<LRESULT>(green);
    });
    ShowWindow(parent, SW_SHOW);
    HWND label = Child(WC_STATIC, SS_LEFT, 1001, "12:30", {0, 0, 60, 16});
    MvPumpUntilIdle();
    auto* model = CtlModelAs<CtlStatic>(label);
    EXPECT_EQ(model->PaintedColors().text, RGB(255, 0, 0));
    EXPECT_EQ(model->PaintedColors().brush, green);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GdiGetWindowSurface(label));
    EXPECT_EQ(GetPixel(dc, 59, 15), RGB(0, 255, 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    Recorder::Get().SetHandler(parent, nullptr);
    DestroyWindow(label);
    DeleteObject(green);
}

TEST_F(CtlWindowTest, AParentMayDestroyAControlFromItsNotice)
{
    HWND combo = Child(WC_COMBOBOX, CBS_DROPDOWNLIST, 21, "", {0, 0, 100, 100});
    HWND button = Child(WC_BUTTON, BS_PUSHBUTTON, 22, "Close");
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    Recorder::Get().SetHandler(parent, [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, bool& handled) -> LRESULT {
        handled = false;
        if (message == WM_COMMAND && (HIWORD(wParam) == CBN_SELCHANGE || HIWORD(wParam) == BN_CLICKED))
            DestroyWindow(reinterpret_cast<HWND>(lParam));
        return 0;
    });
    // The pick goes on after the notice (the list closes) with the window already gone.
    CtlModelAs<CtlComboBox>(combo)->UserPick(0);
    EXPECT_FALSE(IsWindow(combo));
    CtlUserClick(button, {2, 2});
    EXPECT_FALSE(IsWindow(button));
    Recorder::Get().SetHandler(parent, nullptr);
}

TEST_F(CtlWindowTest, MouseTrackingReportsHoverAndLeave)
{
    MvUseVirtualClock(true);
    ShowWindow(parent, SW_SHOW);
    HWND pad = MakeWindow(parent, WS_CHILD | WS_VISIBLE, 31, {0, 0, 50, 40});
    POINT inside{10, 10};
    ClientToScreen(pad, &inside);
    SetCursorPos(inside.x, inside.y);
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, pad, 20};
    ASSERT_TRUE(TrackMouseEvent(&track));
    MvPumpFor(10);
    EXPECT_TRUE(Recorder::Get().Of(pad, WM_MOUSEHOVER).empty());
    MvPumpFor(20);
    auto hovers = Recorder::Get().Of(pad, WM_MOUSEHOVER);
    ASSERT_EQ(hovers.size(), 1u);
    EXPECT_EQ(hovers[0].lParam, MAKELPARAM(10, 10));
    MvPumpFor(100);
    EXPECT_EQ(Recorder::Get().Of(pad, WM_MOUSEHOVER).size(), 1u) << "one report a request";
    EXPECT_TRUE(Recorder::Get().Of(pad, WM_MOUSELEAVE).empty());
    SetCursorPos(inside.x + 200, inside.y);
    MvPumpFor(100);
    EXPECT_EQ(Recorder::Get().Of(pad, WM_MOUSELEAVE).size(), 1u);
    TRACKMOUSEEVENT query{sizeof query, TME_QUERY, pad, 0};
    TrackMouseEvent(&query);
    EXPECT_EQ(query.dwFlags, 0u);
    DestroyWindow(pad);
    MvUseVirtualClock(false);
}

TEST_F(CtlWindowTest, LabelsAreEditedInAnEditBoxAsAUserDoes)
{
    HWND list = Child(WC_LISTVIEW, LVS_REPORT | LVS_EDITLABELS, 40, "", {0, 0, 300, 200});
    LVCOLUMN column{LVCF_TEXT | LVCF_WIDTH, 0, 150, const_cast<char*>("Name"), 0, 0, 0, 0};
    SendMessageA(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&column));
    LVITEM item{};
    item.mask = LVIF_TEXT | LVIF_STATE;
    item.pszText = const_cast<char*>("old name");
    item.state = item.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageA(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    std::vector<std::string> ended;
    Recorder::Get().SetHandler(parent, [&](HWND, UINT message, WPARAM, LPARAM lParam, bool& handled) -> LRESULT {
        handled = message == WM_NOTIFY && (reinterpret_cast<NMHDR*>(lParam)->code == LVN_ENDLABELEDIT ||
                                           reinterpret_cast<NMHDR*>(lParam)->code == TVN_ENDLABELEDIT);
        if (!handled) return 0;
        const char* text = reinterpret_cast<NMHDR*>(lParam)->code == LVN_ENDLABELEDIT
                               ? reinterpret_cast<NMLVDISPINFO*>(lParam)->item.pszText
                               : reinterpret_cast<NMTVDISPINFO*>(lParam)->item.pszText;
        ended.push_back(text ? text : "(cancelled)");
        return TRUE;
    });
    CtlUserKey(list, VK_F2);
    auto box = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
    ASSERT_TRUE(box);
    EXPECT_EQ(GetFocus(), box);
    CtlUserType(box, "new name"); // replaces the selected label
    CtlUserKey(box, VK_RETURN);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(CtlModelAs<CtlListView>(list)->Text(0, 0), "new name");

    CtlUserKey(list, VK_F2);
    box = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETEDITCONTROL, 0, 0));
    CtlUserType(box, "dropped");
    CtlUserKey(box, VK_ESCAPE);
    EXPECT_EQ(CtlModelAs<CtlListView>(list)->Text(0, 0), "new name");

    HWND tree = Child(WC_TREEVIEW, TVS_EDITLABELS | TVS_HASBUTTONS, 41, "", {0, 0, 200, 200});
    auto* model = CtlModelAs<CtlTreeView>(tree);
    TVINSERTSTRUCT insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("node");
    auto node = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&insert)));
    box = reinterpret_cast<HWND>(SendMessageA(tree, TVM_EDITLABEL, 0, reinterpret_cast<LPARAM>(node)));
    ASSERT_TRUE(box);
    CtlUserType(box, "renamed");
    // Clicking elsewhere takes the focus from the box, which commits it.
    CtlUserClick(list, {100, 150});
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(model->ItemOf(node)->text, "renamed");
    EXPECT_EQ(ended, (std::vector<std::string>{"new name", "(cancelled)", "renamed"}));
    Recorder::Get().SetHandler(parent, nullptr);
}

std::vector<int> gDialogCommands;

INT_PTR RecordingDialogProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND) gDialogCommands.push_back(LOWORD(wParam));
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(CtlWindowTest, EnterInAMultiLineEditGoesToTheDialogUnlessItWantsReturns)
{
    MvDialogTemplate form;
    form.style = WS_CHILD;
    form.cx = 200;
    form.cy = 100;
    form.items = {
        {"Edit", "", 50, ES_MULTILINE | WS_TABSTOP, 0, 0, 0, 100, 30},
        {"Edit", "", 51, ES_MULTILINE | ES_WANTRETURN | WS_TABSTOP, 0, 0, 40, 100, 30},
        {"Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 120, 0, 40, 14},
    };
    gDialogCommands.clear();
    HWND dialog = CreateDialogIndirectParamA(nullptr, &form, parent, RecordingDialogProc, 0);
    ASSERT_TRUE(dialog);
    for (int id : {50, 51}) {
        HWND edit = GetDlgItem(dialog, id);
        SetFocus(edit);
        MSG enter{edit, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(dialog, &enter));
        MSG ch{edit, WM_CHAR, '\r', 1, 0, {}};
        IsDialogMessageA(dialog, &ch);
    }
    EXPECT_EQ(std::count(gDialogCommands.begin(), gDialogCommands.end(), IDOK), 1);
    EXPECT_EQ(CtlModelAs<CtlEdit>(GetDlgItem(dialog, 51))->GetText(), "\r\n");
    // Scripted typing gives Enter's character only to an edit that keeps Enter from its dialog.
    SetWindowTextA(GetDlgItem(dialog, 50), "");
    SetWindowTextA(GetDlgItem(dialog, 51), "");
    CtlUserType(GetDlgItem(dialog, 50), "a\nb");
    CtlUserType(GetDlgItem(dialog, 51), "a\nb");
    EXPECT_EQ(CtlModelAs<CtlEdit>(GetDlgItem(dialog, 50))->GetText(), "ab");
    EXPECT_EQ(CtlModelAs<CtlEdit>(GetDlgItem(dialog, 51))->GetText(), "a\r\nb");
    DestroyWindow(dialog);
}

TEST_F(CtlWindowTest, ShortcutsAndShiftSelectInAnEdit)
{
    HWND edit = Child(RICHEDIT_CLASS, ES_MULTILINE, 60, "", {0, 0, 200, 60});
    CtlUserType(edit, "hello");
    CtlUserKey(edit, VK_HOME, MK_SHIFT);
    CtlUserKey(edit, 'C', MK_CONTROL);
    CtlUserKey(edit, VK_END);
    CtlUserKey(edit, 'V', MK_CONTROL);
    EXPECT_EQ(CtlModelAs<CtlRichEdit>(edit)->GetText(), "hellohello");
    CtlUserKey(edit, 'Z', MK_CONTROL);
    EXPECT_EQ(CtlModelAs<CtlRichEdit>(edit)->GetText(), "hello");
    CtlUserKey(edit, 'Y', MK_CONTROL);
    EXPECT_EQ(CtlModelAs<CtlRichEdit>(edit)->GetText(), "hellohello");
    CtlUserKey(edit, 'A', MK_CONTROL);
    EXPECT_EQ(CtlModelAs<CtlRichEdit>(edit)->Doc().SelEnd(), 10);
    EXPECT_EQ(GetKeyState(VK_CONTROL) < 0, false) << "the modifiers are let go";
}

TEST_F(CtlWindowTest, ModelsBelongOnlyToControlWindows)
{
    EXPECT_EQ(CtlModelOf(parent), nullptr);
    HWND edit = Child(RICHEDIT_CLASS, ES_MULTILINE, 10078);
    EXPECT_NE(CtlModelOf(edit), nullptr);
    DestroyWindow(edit);
    EXPECT_EQ(CtlModelOf(edit), nullptr);
}

} // namespace
