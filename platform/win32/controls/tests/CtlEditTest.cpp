#include "CtlTestHost.h"
#include "win32/controls/CtlClipboard.h"
#include "win32/controls/CtlEdit.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

TEST(CtlEdit, StylesFilterWhatIsTyped)
{
    struct Case {
        DWORD style;
        const char* typed;
        const char* text;
    } cases[] = {
        {ES_NUMBER, "a1b2-3", "123"},
        {ES_UPPERCASE, "MixEd", "MIXED"},
        {ES_LOWERCASE, "MixEd", "mixed"},
        {0, "plain", "plain"},
    };
    for (const auto& c : cases) {
        CtlEdit edit(c.style);
        edit.UserType(std::string_view(c.typed));
        EXPECT_EQ(edit.GetText(), c.text) << c.typed;
    }
}

TEST(CtlEdit, LimitCutsTypingAndSaysSo)
{
    CtlTestHost host;
    CtlEdit edit;
    edit.Attach(&host, nullptr, 3);
    edit.Send(EM_LIMITTEXT, 4);
    edit.UserType("abcdef");
    EXPECT_EQ(edit.GetText(), "abcd");
    EXPECT_EQ(host.Count(EN_MAXTEXT), 1);
    EXPECT_EQ(edit.Send(EM_GETLIMITTEXT), 4);
    // A program's text is not held to the limit.
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("longer text"));
    EXPECT_EQ(edit.GetText(), "longer text");
}

TEST(CtlEdit, OneUndoLevelTogglesAndANewTextForgetsIt)
{
    CtlEdit edit;
    edit.UserType("one");
    edit.Send(EM_SETSEL, 0, -1);
    edit.Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("two"));
    EXPECT_TRUE(edit.Send(EM_CANUNDO));
    edit.Send(EM_UNDO);
    EXPECT_EQ(edit.GetText(), "one");
    edit.Send(EM_UNDO);
    EXPECT_EQ(edit.GetText(), "two");
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("three"));
    EXPECT_FALSE(edit.Send(EM_CANUNDO));
    EXPECT_FALSE(edit.Send(EM_GETMODIFY));
    edit.UserType("!");
    EXPECT_TRUE(edit.Send(EM_GETMODIFY));
}

TEST(CtlEdit, LinesOfAMultiLineEdit)
{
    CtlEdit edit(ES_MULTILINE);
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("first\r\nsecond line\r\n"));
    EXPECT_EQ(edit.Send(EM_GETLINECOUNT), 3);
    EXPECT_EQ(edit.Send(EM_LINEINDEX, 1), 7);
    EXPECT_EQ(edit.Send(EM_LINELENGTH, 8), 11);
    EXPECT_EQ(edit.Send(EM_LINEFROMCHAR, 8), 1);
    char buffer[32] = {};
    WORD size = 6;
    std::memcpy(buffer, &size, sizeof size);
    EXPECT_EQ(edit.Send(EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 6);
    EXPECT_EQ(std::string(buffer, 6), "second");
    EXPECT_EQ(edit.Send(EM_LINEINDEX, 7), -1);
    // Backspace after a line end takes the whole "\r\n".
    edit.Send(EM_SETSEL, 7, 7);
    edit.UserBackspace();
    EXPECT_EQ(edit.GetText(), "firstsecond line\r\n");
}

TEST(CtlEdit, ClipboardRespectsPasswordsAndSingleLines)
{
    CtlEdit secret(ES_PASSWORD);
    secret.UserType("hidden");
    CtlClipboard::Set(u"before");
    secret.Send(EM_SETSEL, 0, -1);
    secret.Send(WM_COPY);
    secret.Send(WM_CUT);
    EXPECT_EQ(CtlClipboard::Text(), u"before");
    EXPECT_EQ(secret.GetText(), "hidden");
    EXPECT_EQ(secret.Send(EM_GETPASSWORDCHAR), '*');

    CtlEdit line;
    CtlClipboard::Set(u"one\r\ntwo");
    line.Send(WM_PASTE);
    EXPECT_EQ(line.GetText(), "one");
    CtlEdit multi(ES_MULTILINE);
    multi.Send(WM_PASTE);
    EXPECT_EQ(multi.GetText(), "one\r\ntwo");
}

} // namespace
