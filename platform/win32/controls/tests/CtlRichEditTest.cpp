#include "CtlTestHost.h"
#include "win32/controls/CtlClipboard.h"
#include "win32/controls/CtlRichEdit.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

struct Pipe {
    std::string data;
    size_t at = 0;
    DWORD failWith = 0;
};

DWORD Read(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* pipe = reinterpret_cast<Pipe*>(cookie);
    if (pipe->failWith) return pipe->failWith;
    size_t n = std::min(pipe->data.size() - pipe->at, static_cast<size_t>(count));
    std::memcpy(buffer, pipe->data.data() + pipe->at, n);
    pipe->at += n;
    *done = static_cast<LONG>(n);
    return 0;
}

DWORD Write(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* pipe = reinterpret_cast<Pipe*>(cookie);
    pipe->data.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(count));
    *done = count;
    return 0;
}

class RichEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.Attach(&host, nullptr, 10078);
        edit.Send(EM_EXLIMITTEXT, 0, 16777216);
    }

    LRESULT In(const std::string& data, WPARAM format)
    {
        Pipe pipe{data};
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&pipe), 0, Read};
        return edit.Send(EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
    }
    std::string Out(WPARAM format)
    {
        Pipe pipe;
        EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&pipe), 0, Write};
        edit.Send(EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
        return pipe.data;
    }
    void Select(LONG a, LONG b)
    {
        CHARRANGE range{a, b};
        edit.Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    }
    CHARFORMAT2 Format(DWORD mask, DWORD effects)
    {
        CHARFORMAT2 f{};
        f.cbSize = sizeof f;
        f.dwMask = mask;
        f.dwEffects = effects;
        return f;
    }
    DWORD GetFormat(CHARFORMAT2& f)
    {
        f = {};
        f.cbSize = sizeof f;
        return static_cast<DWORD>(edit.Send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f)));
    }

    CtlTestHost host;
    CtlRichEdit edit{ES_MULTILINE | ES_WANTRETURN};
};

TEST_F(RichEditTest, SelectionNoticesFollowTheEventMask)
{
    edit.UserType("hello");
    EXPECT_EQ(host.Count(EN_SELCHANGE), 0);
    edit.Send(EM_SETEVENTMASK, 0, ENM_SELCHANGE | ENM_CHANGE);
    Select(1, 3);
    EXPECT_EQ(host.Count(EN_SELCHANGE, WM_NOTIFY), 1);
    Select(1, 3);
    EXPECT_EQ(host.Count(EN_SELCHANGE), 1); // no change, no notice
    edit.UserType("X");
    EXPECT_EQ(host.Count(EN_CHANGE, WM_COMMAND), 1);
    EXPECT_EQ(host.Count(EN_SELCHANGE), 2);
}

TEST_F(RichEditTest, AParentAnsweringANoticeDoesNotCauseItTwice)
{
    edit.UserType("hello world");
    edit.Send(EM_SETEVENTMASK, 0, ENM_SELCHANGE);
    int selections = 0;
    host.answer = [&](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == EN_SELCHANGE && ++selections == 1)
            Select(0, 5); // the parent moves the selection while told of a change
        return 0;
    };
    Select(6, 6);
    EXPECT_EQ(selections, 2);
    LONG s = 0, e = 0;
    edit.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(s, 0);
    EXPECT_EQ(e, 5);
}

TEST_F(RichEditTest, SizeIsKeptInTwips)
{
    edit.UserType("text");
    Select(0, -1);
    CHARFORMAT2 f = Format(CFM_SIZE, 0);
    f.yHeight = 11 * 20;
    edit.Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
    CHARFORMAT2 got;
    EXPECT_TRUE(GetFormat(got) & CFM_SIZE);
    EXPECT_EQ(got.yHeight, 220);
}

TEST_F(RichEditTest, ReadOnlyRefusesTheUserButNotTheProgram)
{
    edit.Send(EM_SETREADONLY, TRUE);
    EXPECT_EQ(host.lastStyle & ES_READONLY, static_cast<DWORD>(ES_READONLY));
    edit.UserType("typed");
    edit.Send(WM_CHAR, 'x');
    EXPECT_EQ(edit.GetText(), "");
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("set"));
    EXPECT_EQ(edit.GetText(), "set");
    edit.UserSelect(0, 3);
    edit.UserCut();
    EXPECT_EQ(edit.GetText(), "set");
    EXPECT_EQ(edit.Send(EM_CANPASTE), FALSE);
}

TEST_F(RichEditTest, CanUndoAnswersExactlyOneAndUndoRedoWork)
{
    EXPECT_EQ(edit.Send(EM_CANUNDO), 0);
    edit.UserType("abc");
    EXPECT_EQ(edit.Send(EM_CANUNDO), 1);
    edit.Send(EM_UNDO);
    EXPECT_EQ(edit.GetText(), "");
    EXPECT_EQ(edit.Send(EM_CANREDO), TRUE);
    edit.Send(EM_REDO);
    EXPECT_EQ(edit.GetText(), "abc");
}

TEST_F(RichEditTest, CopyAndPasteCarryTheFormat)
{
    edit.UserType("bold plain");
    Select(0, 4);
    CHARFORMAT2 f = Format(CFM_BOLD, CFE_BOLD);
    edit.Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
    edit.Send(WM_COPY);
    EXPECT_EQ(CtlClipboard::Text(), u"bold");
    Select(-1, -1);
    edit.Send(EM_SETSEL, 10, 10);
    edit.Send(WM_PASTE);
    EXPECT_EQ(edit.GetText(), "bold plainbold");
    Select(10, 14);
    CHARFORMAT2 got;
    EXPECT_TRUE(GetFormat(got) & CFM_BOLD);
    EXPECT_TRUE(got.dwEffects & CFE_BOLD);
    Select(5, 10);
    GetFormat(got);
    EXPECT_FALSE(got.dwEffects & CFE_BOLD);
}

TEST_F(RichEditTest, PlainTextStreamsWithLineEndsAndStopsAtZero)
{
    std::string data("line one\r\nline two\n", 19);
    data += '\0';
    data += "junk";
    EXPECT_EQ(In(data, SF_TEXT), 18);
    EXPECT_EQ(edit.Doc().Text(), u"line one\rline two\r");
    EXPECT_EQ(Out(SF_TEXT), "line one\r\nline two\r\n");
    EXPECT_EQ(edit.Send(EM_CANUNDO), 0); // a whole new text is not undoable
}

TEST_F(RichEditTest, StreamingInUtf16AndTheSelection)
{
    std::string wide("h\0\xe9\0", 4);
    In(wide, SF_TEXT | SF_UNICODE);
    EXPECT_EQ(edit.GetText(), "h\xc3\xa9");
    edit.Send(EM_SETSEL, 1, 1);
    In("XY", SF_TEXT | SFF_SELECTION);
    EXPECT_EQ(edit.GetText(), "hXY\xc3\xa9");
    edit.Send(EM_SETSEL, 1, 3);
    EXPECT_EQ(Out(SF_TEXT | SFF_SELECTION), "XY");
}

TEST_F(RichEditTest, PlainTextComesOutAsRichTextAndBack)
{
    In("Hello", SF_TEXT);
    Select(0, -1);
    CHARFORMAT2 f = Format(CFM_BOLD | CFM_ITALIC | CFM_FACE | CFM_SIZE, CFE_ITALIC);
    std::strcpy(f.szFaceName, "Courier New");
    f.yHeight = 280;
    edit.Send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&f));
    PARAFORMAT p{};
    p.cbSize = sizeof p;
    p.dwMask = PFM_ALIGNMENT;
    p.wAlignment = PFA_RIGHT;
    edit.Send(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&p));
    std::string rtf = Out(SF_RTF);
    ASSERT_EQ(rtf.compare(0, 5, "{\\rtf"), 0);

    CtlTestHost otherHost;
    CtlRichEdit other;
    other.Attach(&otherHost, nullptr, 1);
    Pipe pipe{rtf};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&pipe), 0, Read};
    other.Send(EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    EXPECT_EQ(other.GetText(), "Hello");
    CtlCharFormat got = other.Doc().FormatAt(2);
    EXPECT_EQ(got.face, "Courier New");
    EXPECT_EQ(got.height, 280);
    EXPECT_TRUE(got.effects & CFE_ITALIC);
    EXPECT_FALSE(got.effects & CFE_BOLD);
    EXPECT_EQ(other.Doc().ParagraphAt(0).alignment, PFA_RIGHT);
}

TEST_F(RichEditTest, RichTextSetAsWindowTextIsRead)
{
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("{\\rtf1 {\\b bold}\\par next}"));
    EXPECT_EQ(edit.Doc().Text(), u"bold\rnext");
    EXPECT_TRUE(edit.Doc().FormatAt(0).effects & CFE_BOLD);
    EXPECT_FALSE(edit.Doc().FormatAt(6).effects & CFE_BOLD);
    // WM_GETTEXT gives the paragraph mark as a line end.
    char buffer[32];
    edit.Send(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ(buffer, "bold\r\nnext");
}

TEST_F(RichEditTest, AFailingStreamKeepsWhatWasReadAndReportsTheError)
{
    Pipe pipe{"abc", 0, 7};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&pipe), 0, Read};
    edit.Send(EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    EXPECT_EQ(stream.dwError, 7u);
    EXPECT_EQ(edit.GetText(), "");
}

TEST_F(RichEditTest, TextRangeAndSelectedTextAreBoundedByTheRange)
{
    edit.UserType("caf\xc3\xa9 au lait");
    char buffer[64];
    std::memset(buffer, 'Z', sizeof buffer);
    TEXTRANGE range{{2, 4}, buffer};
    EXPECT_EQ(edit.Send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)), 3);
    EXPECT_STREQ(buffer, "f\xc3\xa9");
    edit.Send(EM_SETSEL, 5, 7);
    EXPECT_EQ(edit.Send(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_STREQ(buffer, "au");
    WCHAR wide[4];
    GETTEXTEX ex{sizeof wide, GT_DEFAULT, CP_WIDE, nullptr, nullptr};
    EXPECT_EQ(edit.Send(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&ex), reinterpret_cast<LPARAM>(wide)), 3);
    EXPECT_EQ(std::u16string(wide), u"caf");
}

TEST_F(RichEditTest, KeysTypeDeleteAndMove)
{
    for (char c : std::string("ab\rc")) edit.Send(WM_CHAR, static_cast<WPARAM>(c));
    EXPECT_EQ(edit.Doc().Text(), u"ab\rc");
    edit.Send(WM_CHAR, 0x08);
    edit.Send(WM_KEYDOWN, VK_HOME); // the start of the (empty) second line
    EXPECT_EQ(edit.Doc().Caret(), 3);
    edit.Send(WM_KEYDOWN, VK_UP);
    edit.Send(WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(edit.Doc().Text(), u"b\r");
    edit.Send(WM_CHAR, 0x01); // select all
    edit.Send(WM_CHAR, 0x18); // cut
    EXPECT_EQ(edit.GetText(), "");
    EXPECT_EQ(CtlClipboard::Text(), u"b\r\n");
}

} // namespace

namespace {

TEST(CtlEditMouse, PressDragAndDoubleClickSelectText)
{
    CtlTestHost host;
    CtlRichEdit edit(ES_MULTILINE);
    edit.Attach(&host, nullptr, 10078);
    edit.Send(EM_SETEVENTMASK, 0, ENM_SELCHANGE);
    edit.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hello world\nsecond line"));
    POINTL from{}, to{};
    edit.Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&from), 6);
    edit.Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&to), 11);
    edit.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y + 3));
    EXPECT_TRUE(host.captured);
    edit.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y + 3));
    edit.Send(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y + 3));
    EXPECT_FALSE(host.captured);
    EXPECT_EQ(edit.Doc().SelStart(), 6);
    EXPECT_EQ(edit.Doc().SelEnd(), 11);
    EXPECT_GE(host.Count(EN_SELCHANGE), 2);
    // A double click on the second line selects the word under it.
    POINTL at{};
    edit.Send(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), 14);
    edit.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y + 3));
    EXPECT_EQ(edit.Doc().Range(edit.Doc().SelStart(), edit.Doc().SelEnd()), u"second");
    POINTL point{at.x, at.y};
    EXPECT_EQ(edit.Send(EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&point)), 14);
    // A click beyond the end of a line puts the caret at its end.
    edit.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(500, 3));
    edit.Send(WM_LBUTTONUP, 0, MAKELPARAM(500, 3));
    EXPECT_EQ(edit.Doc().Caret(), 11);
}

} // namespace
