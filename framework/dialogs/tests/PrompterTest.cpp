#include "CIpPrompter.h"
#include "CPrompter.h"
#include "CRepeatPrompter.h"
#include "CSelector.h"
#include "UIpUtils.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlIpAddress.h"
#include "win32/controls/CtlListBox.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Click(HWND dialog, int id)
{
    auto button = CtlModelAs<CtlButton>(GetDlgItem(dialog, id));
    ASSERT_NE(button, nullptr) << "button " << id;
    button->UserClick();
}

std::string Text(HWND dialog, int id)
{
    char text[256];
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

TEST(UIpUtils, FormatsAndParsesDottedAddresses)
{
    EXPECT_EQ(std::string(UIpUtils::FormatIpAddress(0xC0A80001ul)), "192.168.0.1");
    EXPECT_EQ(std::string(UIpUtils::FormatIpAddress(0)), "0.0.0.0");
    EXPECT_EQ(std::string(UIpUtils::FormatIpAddress(0xFFFFFFFFul)), "255.255.255.255");
    struct Case {
        const char* text;
        unsigned long address;
    } cases[] = {{"192.168.0.1", 0xC0A80001ul}, {"300.1.2.3", 0x2C010203ul}, {"192.168.1", 0xC0A80100ul},
                 {"", 0},                       {"10", 0x0A000000ul},       {"1.2.3.4.5", 0x01020304ul},
                 {"a.b.7.x", 0x00000700ul},     {"99999999999999999999.1.1.1", 0xFF010101ul}};
    for (auto& c : cases) EXPECT_EQ(UIpUtils::ParseIpAddress(c.text), c.address) << c.text;
    EXPECT_EQ(UIpUtils::ParseIpAddress(nullptr), 0ul);
}

TEST(CPrompter, OkTakesTheEditedTextAndCancelKeepsTheAnswer)
{
    CString answer = "old";
    MvScriptModal([](HWND h) {
        EXPECT_EQ(Text(h, 10020), "Name?");
        EXPECT_EQ(Text(h, 10037), "old");
        EXPECT_EQ(GetFocus(), GetDlgItem(h, 10037));
        auto edit = CtlModelAs<CtlEdit>(GetDlgItem(h, 10037));
        ASSERT_NE(edit, nullptr);
        edit->UserSelect(0, 3);
        edit->UserType(std::string_view("new name"));
        Click(h, IDOK);
    });
    EXPECT_TRUE(CPrompter::Prompt("Name?", answer));
    EXPECT_EQ(std::string(answer), "new name");

    MvScriptModal([](HWND h) {
        CtlModelAs<CtlEdit>(GetDlgItem(h, 10037))->UserType(std::string_view("xyz"));
        Click(h, IDCANCEL);
    });
    EXPECT_FALSE(CPrompter::Prompt("Name?", answer));
    EXPECT_EQ(std::string(answer), "new name");
}

TEST(CIpPrompter, StartsAtTheParsedAddressAndReturnsTheEditedOne)
{
    CString address = "10.0.0.7";
    MvScriptModal([](HWND h) {
        auto ip = CtlModelAs<CtlIpAddress>(GetDlgItem(h, 10079));
        ASSERT_NE(ip, nullptr);
        EXPECT_EQ(ip->Text(), "10.0.0.7");
        ip->UserSetField(3, "42");
        Click(h, IDOK);
    });
    EXPECT_TRUE(CIpPrompter::Prompt("Server", address));
    EXPECT_EQ(std::string(address), "10.0.0.42");

    CString empty;
    MvScriptModal([](HWND h) {
        EXPECT_EQ(CtlModelAs<CtlIpAddress>(GetDlgItem(h, 10079))->Text(), "0.0.0.0");
        Click(h, IDCANCEL);
    });
    EXPECT_FALSE(CIpPrompter::Prompt("Server", empty));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CSelector, PreselectsTheAnswerAndTakesTheChosenItem)
{
    CSelector selector;
    selector.SetPromptText("Pick one");
    selector.AddSelection("alpha", false);
    selector.AddSelection("beta", true);
    selector.AddSelection("gamma", false);
    MvScriptModal([](HWND h) {
        char title[64];
        GetWindowTextA(h, title, sizeof title);
        EXPECT_STREQ(title, "Select");
        auto list = CtlModelAs<CtlListBox>(GetDlgItem(h, 10038));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->CurSel(), 1);
        EXPECT_EQ(GetFocus(), GetDlgItem(h, 10038));
        list->UserClick(2);
        list->UserDoubleClick(2);
    });
    EXPECT_TRUE(selector.Prompt());
    EXPECT_EQ(std::string(selector.GetResponseText()), "gamma");

    // Shown again: the pending texts went into the first dialog.
    MvScriptModal([](HWND h) {
        EXPECT_EQ(SendDlgItemMessageA(h, 10038, LB_GETCOUNT, 0, 0), 0);
        Click(h, IDCANCEL);
    });
    EXPECT_FALSE(selector.Prompt());
}

TEST(CSelector, WithoutAnAnswerTheFirstItemIsSelected)
{
    CSelector selector;
    selector.SetTitle("Voices");
    selector.AddSelection("one", false);
    selector.AddSelection("two", false);
    MvScriptModal([&](HWND h) {
        EXPECT_EQ(CtlModelAs<CtlListBox>(GetDlgItem(h, 10038))->CurSel(), 0);
        Click(h, IDOK);
        if (IsWindow(h) && IsWindowVisible(h)) Click(h, IDCANCEL);   // OK found no selection
    });
    EXPECT_TRUE(selector.Prompt());
    EXPECT_EQ(std::string(selector.GetResponseText()), "one");
}

TEST(CSelector, AnAnswerMatchingNoItemSelectsNothingAndOkWaits)
{
    CSelector selector;
    selector.AddSelection("zeta", true);
    MvScriptModal([](HWND h) { Click(h, IDOK); });
    ASSERT_TRUE(selector.Prompt());
    // The earlier answer begins no item of the new list.
    selector.AddSelection("one", false);
    selector.AddSelection("two", false);
    bool stayedOpen = false;
    MvScriptModal([&](HWND h) {
        EXPECT_EQ(CtlModelAs<CtlListBox>(GetDlgItem(h, 10038))->CurSel(), -1);
        Click(h, IDOK);
        stayedOpen = IsWindow(h) && IsWindowVisible(h);
        CtlModelAs<CtlListBox>(GetDlgItem(h, 10038))->UserClick(1);
        Click(h, IDOK);
    });
    EXPECT_TRUE(selector.Prompt());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(std::string(selector.GetResponseText()), "two");
}

TEST(CRepeatPrompter, ApplyToAllRepeatsTheAnswerUntilReset)
{
    for (bool yes : {true, false}) {
        CRepeatPrompter prompter;
        MvScriptModal([yes](HWND h) {
            EXPECT_EQ(Text(h, 10020), "Replace a?");
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(h, 10082)));
            Click(h, 10082);
            Click(h, yes ? IDYES : IDNO);
        });
        EXPECT_EQ(prompter.Prompt("Replace a?", true), yes);
        // No script: a shown dialog would wait forever, so these are answered without one.
        EXPECT_EQ(prompter.Prompt("Replace b?", true), yes);
        EXPECT_EQ(prompter.Prompt("Replace c?", false), yes);
        prompter.Reset();
        MvScriptModal([](HWND h) { Click(h, IDYES); });
        EXPECT_TRUE(prompter.Prompt("Replace d?", true)) << "asked again after Reset";
    }
}

TEST(CRepeatPrompter, HiddenBoxAndClosingCountAsNo)
{
    CRepeatPrompter prompter;
    MvScriptModal([](HWND h) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(h, 10082)));
        PostMessageA(h, WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(prompter.Prompt("Replace?", false));
    MvScriptModal([](HWND h) { Click(h, IDYES); });
    EXPECT_TRUE(prompter.Prompt("Replace?", false)) << "without the box ticked it asks each time";
}

} // namespace
