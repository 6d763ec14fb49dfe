#include "CColorStatic.h"
#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CFontCombo.h"
#include "CFontEntry.h"
#include "CFontSizeCombo.h"
#include "CHandle.h"
#include "CListener.h"
#include "CStyledEdit.h"
#include "CTextSetting.h"
#include "ControlTestSupport.h"
#include "StRichEdit.h"
#include "win32/kernel/Clock.h"
#include "win32/controls/CtlUser.h"
#include "win32/fonts/FontEnum.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Counts the commits heard and who sent them.
class CCommitListener : public CListener {
public:
    std::vector<const void*> senders;
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != kEntryFieldCommittedMessage) return CListener::ListenToMessage(message, p, q);
        EXPECT_EQ(q, nullptr);
        senders.push_back(p);
        return true;
    }
};

// Records posted blink reports.
class CBlinkParent : public TestParent {
public:
    std::vector<WPARAM> reports;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_APP + 5) reports.push_back(wParam);
        return TestParent::WindowProc(message, wParam, lParam);
    }
};

class ColorStaticTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        ASSERT_TRUE(m_parent.Make());
        ASSERT_TRUE(m_static.Create("Hi", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), &m_parent, 77));
    }
    void TearDown() override
    {
        m_static.DestroyWindow();
        MvPumpUntilIdle();
        MvUseVirtualClock(false);
    }
    void Pass(int ms)
    {
        MvAdvanceClock(ms);
        MvPumpUntilIdle();
    }
    COLORREF Background()
    {
        m_static.Invalidate();
        MvPumpUntilIdle();
        return WindowPixel(m_static, 98, 2);
    }
    CBlinkParent m_parent;
    CColorStatic m_static;
};

TEST_F(ColorStaticTest, ColoursDefaultToTheButtonColours)
{
    EXPECT_EQ(m_static.GetTextColor(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(m_static.GetBkColor(), GetSysColor(COLOR_BTNFACE));
    m_static.SetBkColor(RGB(10, 200, 30));
    EXPECT_EQ(Background(), RGB(10, 200, 30));
    m_static.SetBkColor(COLORREF(-1));
    EXPECT_EQ(m_static.GetBkColor(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Background(), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(CColorStatic::GetVersionI(), 10);
    EXPECT_STREQ(CColorStatic::GetVersionC(), "1.0");
}

TEST_F(ColorStaticTest, BackgroundBlinksBetweenItsTwoColoursAndReportsPhaseOne)
{
    m_static.SetBlinkBkColors(RGB(255, 0, 0), RGB(0, 0, 255));
    m_static.EnableNotify(&m_parent, WM_APP + 5);
    m_static.StartBkBlink(1, 2);
    EXPECT_EQ(Background(), RGB(255, 0, 0));
    Pass(499);
    EXPECT_TRUE(m_parent.reports.empty());
    Pass(1);
    EXPECT_EQ(Background(), RGB(0, 0, 255));
    ASSERT_EQ(m_parent.reports.size(), 1u);
    EXPECT_EQ(m_parent.reports[0], 77u);
    Pass(500);
    EXPECT_EQ(Background(), RGB(255, 0, 0));
    EXPECT_EQ(m_parent.reports.size(), 1u) << "only a phase turning to 1 is reported";
    Pass(500);
    EXPECT_EQ(m_parent.reports.size(), 2u);
}

TEST_F(ColorStaticTest, BlinkPeriodsAndTheSharedTimer)
{
    struct { UINT speed; int period; } cases[] = {{0, 2000}, {1, 1000}, {2, 500}, {750, 750}};
    m_static.EnableNotify(&m_parent, WM_APP + 5);
    for (auto& c : cases) {
        m_static.StartTextBlink(1, c.speed);
        size_t before = m_parent.reports.size();
        Pass(c.period - 1);
        EXPECT_EQ(m_parent.reports.size(), before) << c.speed;
        Pass(1);
        EXPECT_EQ(m_parent.reports.size(), before + 1) << c.speed;
    }
    m_static.StartBkBlink(1, 2);
    m_static.StartTextBlink(0, 2);
    size_t before = m_parent.reports.size();
    Pass(3000);
    EXPECT_EQ(m_parent.reports.size(), before) << "stopping the text blink stops the background's timer too";
}

class EntryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Make()); }
    TestParent m_parent;
    CCommitListener m_listener;
};

TEST_F(EntryTest, EnterCommitsAndSelectsAllThenFocusLossCommitsAgain)
{
    CEntryField field;
    ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), &m_parent, 5));
    EXPECT_EQ(field.GetStyle() & WS_BORDER, 0u);
    EXPECT_EQ(field.GetExStyle() & WS_EX_CLIENTEDGE, DWORD(WS_EX_CLIENTEDGE));
    field.AddListener(&m_listener);
    CtlUserType(field, "128");
    EXPECT_TRUE(m_listener.senders.empty());
    CtlUserKey(field, VK_RETURN);
    ASSERT_EQ(m_listener.senders.size(), 1u);
    EXPECT_EQ(m_listener.senders[0], static_cast<const void*>(&field));
    int start = -1, end = -1;
    field.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(CWnd::GetFocus(), &field);
    m_parent.SetFocus();
    EXPECT_EQ(m_listener.senders.size(), 2u);
    field.RemoveListener(&m_listener);
}

TEST_F(EntryTest, ComboCommitsWithItsBroadcasterAsIdentity)
{
    CEntryCombo combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 100, 120), &m_parent, 6));
    combo.AddListener(&m_listener);
    CtlUserKey(combo, VK_RETURN);
    ASSERT_EQ(m_listener.senders.size(), 1u);
    EXPECT_EQ(m_listener.senders[0], static_cast<const void*>(static_cast<CBroadcaster*>(&combo)));
    EXPECT_EQ(CWnd::GetFocus(), &combo);
    m_parent.SetFocus();
    EXPECT_EQ(m_listener.senders.size(), 2u) << "the reflected focus-loss notice";
    combo.RemoveListener(&m_listener);
}

TEST(FontEnum, FamiliesArriveOncePerScript)
{
    std::vector<std::pair<std::string, int>> seen;
    auto collect = [](const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM param) -> int {
        EXPECT_EQ(type, DWORD(TRUETYPE_FONTTYPE));
        auto* out = reinterpret_cast<std::vector<std::pair<std::string, int>>*>(param);
        out->push_back({font->lfFaceName, font->lfCharSet});
        return 1;
    };
    LOGFONTA any{};
    any.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(nullptr, &any, collect, reinterpret_cast<LPARAM>(&seen), 0);
    ASSERT_FALSE(seen.empty()) << "no fonts installed";
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_NE(seen[i], seen[i - 1]);
    std::vector<std::pair<std::string, int>> western;
    LOGFONTA one{};
    one.lfCharSet = ANSI_CHARSET;
    std::strcpy(one.lfFaceName, seen[0].first.c_str());
    EnumFontFamiliesExA(nullptr, &one, collect, reinterpret_cast<LPARAM>(&western), 0);
    ASSERT_EQ(western.size(), 1u);
    EXPECT_EQ(western[0].first, seen[0].first);
    int calls = 0;
    auto stop = [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM param) -> int {
        ++*reinterpret_cast<int*>(param);
        return 0;
    };
    EXPECT_EQ(EnumFontFamiliesExA(nullptr, &any, stop, reinterpret_cast<LPARAM>(&calls), 0), 0);
    EXPECT_EQ(calls, 1);
}

// Programs name the core faces without asking; each is listed once, drawn by the installed
// family fontconfig stands in for it.
TEST(FontEnum, TheCoreFacesAreListedEvenWithoutFontsOfThatName)
{
    auto collect = [](const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) -> int {
        reinterpret_cast<std::vector<std::string>*>(param)->push_back(font->lfFaceName);
        return 1;
    };
    for (const char* face : {"Arial", "Times New Roman", "Courier New"}) {
        SCOPED_TRACE(face);
        std::vector<std::string> seen;
        LOGFONTA one{};
        one.lfCharSet = ANSI_CHARSET;
        std::strcpy(one.lfFaceName, face);
        EnumFontFamiliesExA(nullptr, &one, collect, reinterpret_cast<LPARAM>(&seen), 0);
        EXPECT_EQ(seen, std::vector<std::string>{face});
    }
}

TEST_F(EntryTest, FontComboListsSortedEntriesAndFindsByFaceAndCharSet)
{
    CFontCombo fonts;
    ASSERT_TRUE(fonts.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 200, 200), &m_parent, 7));
    EXPECT_EQ(fonts.GetStyle() & (CBS_SORT | CBS_OWNERDRAWFIXED | WS_VSCROLL), DWORD(CBS_SORT | CBS_OWNERDRAWFIXED | WS_VSCROLL));
    int count = fonts.GetCount();
    ASSERT_GT(count, 0);
    auto* first = static_cast<CFontEntry*>(fonts.GetItemDataPtr(0));
    for (int i = 1; i < count; ++i) {
        auto* entry = static_cast<CFontEntry*>(fonts.GetItemDataPtr(i));
        EXPECT_LT(std::strcmp(static_cast<CFontEntry*>(fonts.GetItemDataPtr(i - 1))->GetFontName(), entry->GetFontName()), 0);
    }
    const LOGFONTA* info = first->GetFontInfo();
    EXPECT_EQ(info->lfHeight, 90);
    EXPECT_EQ(info->lfWeight, 400);
    CString name = first->GetFontName();
    EXPECT_EQ(name, CString(info->lfFaceName) + " (" + (info->lfCharSet == ANSI_CHARSET ? "Western" : info->lfCharSet == GREEK_CHARSET ? "Greek" : "Cyrillic") + ")");

    EXPECT_EQ(fonts.GetFontIndex(info->lfFaceName, info->lfCharSet), 0);
    EXPECT_EQ(fonts.GetFontIndex(info->lfFaceName, 77), -1) << "another character set";
    std::string lower = info->lfFaceName;
    for (char& c : lower) c = char(std::tolower(c));
    EXPECT_EQ(fonts.GetFontIndex(lower.c_str(), info->lfCharSet), -1) << "the face is compared case-sensitively";
    EXPECT_EQ(fonts.SelectFont(info->lfFaceName, info->lfCharSet), 0);
    EXPECT_EQ(fonts.GetSelectedFontInfo(), info);
    EXPECT_EQ(fonts.GetFontInfo(-1), nullptr);
    EXPECT_EQ(fonts.SelectFont("No Such Face", 0), -1);
    EXPECT_EQ(fonts.GetCurSel(), -1);

    // The focused edit part draws on the dark selection colour, the text in the entry's typeface.
    fonts.SelectFont(info->lfFaceName, info->lfCharSet);
    fonts.SetFocus();
    fonts.Invalidate();
    MvPumpUntilIdle();
    EXPECT_EQ(WindowPixel(fonts, 150, 8), RGB(0, 0, 128));
    int lit = 0;
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 16; ++y) lit += GetRValue(WindowPixel(fonts, x, y)) > 128;
    EXPECT_GT(lit, 10) << "white text";
    fonts.ResetFonts();
    EXPECT_EQ(fonts.GetCount(), 0);
    fonts.LoadFonts();
    EXPECT_EQ(fonts.GetCount(), count);
}

TEST_F(EntryTest, FontSizeComboSelectsExactSizesOrShowsTheNumber)
{
    CFontSizeCombo sizes;
    ASSERT_TRUE(sizes.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 60, 200), &m_parent, 8));
    ASSERT_EQ(sizes.GetCount(), 17);
    CString text;
    sizes.GetLBText(16, text);
    EXPECT_EQ(text, "72");
    EXPECT_EQ(sizes.GetCurSel(), 4) << "12 is selected at first";
    EXPECT_EQ(sizes.GetSize(), 12);
    sizes.Select(15);
    EXPECT_EQ(sizes.GetCurSel(), -1);
    EXPECT_EQ(sizes.GetSize(), 15);
    sizes.Select(1);
    EXPECT_EQ(sizes.GetCurSel(), -1) << "1 is not 10";
    sizes.SetSize(36);
    EXPECT_EQ(sizes.GetCurSel(), 14);
    EXPECT_EQ(sizes.GetSize(), 36);
}

class StyledEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.Make());
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE, CRect(0, 0, 300, 200), &m_parent, 9));
    }
    std::string Data(bool rtf)
    {
        CHandle h;
        EXPECT_TRUE(m_edit.GetData(&h, rtf));
        return std::string(reinterpret_cast<const char*>(h.GetBuffer()), h.GetSize());
    }
    StRichEdit m_richEdit;
    TestParent m_parent;
    CStyledEdit m_edit;
};

TEST_F(StyledEditTest, CreationRaisesTheLimitAndSinksTheBorder)
{
    EXPECT_EQ(m_edit.GetLimitText(), CStyledEdit::kTextLimit);
    EXPECT_EQ(m_edit.GetStyle() & WS_BORDER, 0u);
    EXPECT_EQ(m_edit.GetExStyle() & WS_EX_CLIENTEDGE, DWORD(WS_EX_CLIENTEDGE));
}

TEST_F(StyledEditTest, PlainTextInRichTextOut)
{
    ASSERT_TRUE(m_edit.SetText("Hello, w\xc3\xb6rld"));
    CString text;
    m_edit.GetText(text);
    EXPECT_EQ(text, "Hello, w\xc3\xb6rld");
    std::string rtf = Data(true);
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u) << rtf;
    EXPECT_EQ(Data(false), "Hello, w\xc3\xb6rld");

    // Rich text read back in keeps its formats; appended plain text follows it.
    m_edit.SetSel(0, 5);
    m_edit.SetBold(true);
    CHandle bold;
    ASSERT_TRUE(m_edit.GetData(&bold, true));
    ASSERT_TRUE(m_edit.SetText("x"));
    ASSERT_TRUE(m_edit.SetData(&bold));
    m_edit.SetSel(0, 5);
    EXPECT_TRUE(m_edit.GetBold());
    CHandle more;
    more.Append(reinterpret_cast<const unsigned char*>("!"), 1);
    ASSERT_TRUE(m_edit.AppendData(&more, false));
    m_edit.GetText(text);
    EXPECT_EQ(text, "Hello, w\xc3\xb6rld!");
    ASSERT_TRUE(m_edit.SetText("{\\rtf1 {\\b B}c}"));
    m_edit.GetText(text);
    EXPECT_EQ(text, "Bc") << "a text that begins with {\\rtf is read as rich text";
}

TEST_F(StyledEditTest, StylesOfTheSelection)
{
    m_edit.SetText("one two");
    m_edit.SetSel(0, 3);
    m_edit.SetSize(11, false);
    CHARFORMAT format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_SIZE;
    m_edit.GetSelectionCharFormat(format);
    EXPECT_EQ(format.yHeight, 220);
    EXPECT_EQ(m_edit.GetSize(), 11);
    m_edit.SetItalic(true);
    m_edit.SetUnderline(true);
    EXPECT_TRUE(m_edit.GetItalic());
    EXPECT_TRUE(m_edit.GetUnderline());
    EXPECT_FALSE(m_edit.GetBold());
    m_edit.SetUnderline(false);
    EXPECT_FALSE(m_edit.GetUnderline());

    LOGFONTA font{};
    std::strcpy(font.lfFaceName, "DejaVu Serif");
    font.lfCharSet = 0;
    m_edit.SetFont(&font, true);
    m_edit.SetFont(nullptr);
    CString face;
    BYTE charSet = 99;
    ASSERT_TRUE(m_edit.GetFont(face, charSet));
    EXPECT_EQ(face, "DejaVu Serif");
    EXPECT_EQ(charSet, 0);
    m_edit.SetSel(0, 7);
    EXPECT_FALSE(m_edit.GetFont(face, charSet)) << "mixed over the selection";

    struct { std::function<void()> set; WORD alignment; } aligns[] = {
        {[&] { m_edit.SetCenterAlign(false); }, PFA_CENTER},
        {[&] { m_edit.SetRightAlign(); }, PFA_RIGHT},
        {[&] { m_edit.SetLeftAlign(); }, PFA_LEFT},
        {[&] { m_edit.SetAlignment(3); }, PFA_CENTER},
    };
    for (auto& a : aligns) {
        a.set();
        EXPECT_EQ(m_edit.GetAlignment(), a.alignment);
    }
    EXPECT_TRUE(m_edit.GetCenterAlign());
    EXPECT_FALSE(m_edit.GetLeftAlign());
}

TEST(TextSetting, DefaultsAndStoredValues)
{
    MvTestHome home;
    CTextSetting setting;
    EXPECT_EQ(setting.GetFontName(), "Arial");
    EXPECT_EQ(setting.GetCharSet(), 0);
    EXPECT_EQ(setting.GetFontSize(), 12);
    EXPECT_FALSE(setting.GetBold());
    EXPECT_FALSE(setting.GetItalic());
    EXPECT_FALSE(setting.GetUnderline());
    EXPECT_EQ(setting.GetAlignment(), 1);
    setting.SetFontName("DejaVu Sans");
    setting.SetCharSet(204);
    setting.SetFontSize(18);
    setting.SetBold(true);
    setting.SetItalic(true);
    setting.SetUnderline(true);
    setting.SetAlignment(3);
    CTextSetting again;
    EXPECT_EQ(again.GetFontName(), "DejaVu Sans");
    EXPECT_EQ(again.GetCharSet(), 204);
    EXPECT_EQ(again.GetFontSize(), 18);
    EXPECT_TRUE(again.GetBold());
    EXPECT_TRUE(again.GetItalic());
    EXPECT_TRUE(again.GetUnderline());
    EXPECT_EQ(again.GetAlignment(), 3);
}

} // namespace
