// Texts a user may put into the editor that are not ordinary prose: very long, or full of
// control characters. Speaking them starts at once, selects the words where they are, and
// stops when asked.
#include "CSpeechSystem.h"
#include "CTelloraPanel.h"
#include "afx/controls/CRichEditCtrl.h"
#include "afx/windows/CWnd.h"
#include "com/ComRuntime.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <string>

namespace {

class Host : public CWnd {
public:
    ~Host() override
    {
        if (m_hWnd) DestroyWindow();
    }
};

class TelloraBadTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_AUDIO", "null", 1);
        CoInitialize(nullptr);
        system = new CSpeechSystem;
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 700, 500), nullptr, 0));
        panel = new CTelloraPanel;
        ASSERT_TRUE(panel->CreateInWindow(&host));
    }
    void TearDown() override
    {
        panel->DestroyWindow();
        delete panel;
        host.DestroyWindow();
        delete system;
        CoUninitialize();
    }
    CRichEditCtrl& Edit() { return const_cast<CRichEditCtrl&>(panel->GetEditPanel().GetRichEditCtrl()); }
    void Command(UINT id) { panel->PostMessage(WM_COMMAND, id, 0); }
    // Pumps until the editor selects exactly this text at this place.
    bool SeeWordAt(const std::string& word, long at)
    {
        return MvPumpUntil(
            [&] {
                long from = 0, to = 0;
                Edit().GetSel(from, to);
                return from == at && to == at + long(word.size()) && std::string(Edit().GetSelText()) == word;
            },
            120000);
    }
    bool Silent()
    {
        return MvPumpUntil([&] { return !panel->GetSpeaker().IsSpeaking(); }, 60000);
    }

    MvTestHome home;
    CSpeechSystem* system = nullptr;
    Host host;
    CTelloraPanel* panel = nullptr;
};

} // namespace

TEST_F(TelloraBadTextTest, TenMegabytesAreSpokenFromTheStartAndStopWhenAsked)
{
    std::string text;
    text.reserve(10u << 20);
    text += "First words here. ";
    while (text.size() < (10u << 20)) text += "More of the same words, again and again. ";
    text += "Last.";
    Edit().SetWindowText(text.c_str());
    ASSERT_EQ(Edit().GetTextLength(), long(text.size()));
    Command(CTelloraPanel::kStart);
    ASSERT_TRUE(SeeWordAt("words", 6));
    Command(CTelloraPanel::kStop);
    EXPECT_TRUE(Silent());

    // From the cursor near the end: the places count from the caret.
    const long caret = long(text.size()) - 5;
    Edit().SetSel(caret, caret);
    Command(CTelloraPanel::kStartFromCursor);
    ASSERT_TRUE(SeeWordAt("Last", caret));
    EXPECT_TRUE(Silent()) << "the end of the text ends the speech";
}

TEST_F(TelloraBadTextTest, ControlCharactersNeitherStopNorShiftTheWords)
{
    const std::string text = "One\x01\x02 two\x1b[0m three\x7f\x08 four\tfive\x0b six.";
    Edit().SetWindowText(text.c_str());
    const std::string shown = std::string(panel->GetEditPanel().GetText());
    Command(CTelloraPanel::kStart);
    for (const char* word : {"two", "four", "six"}) {
        const size_t at = shown.find(word);
        ASSERT_NE(at, std::string::npos) << word << " in " << shown;
        EXPECT_TRUE(SeeWordAt(word, long(at))) << word;
    }
    EXPECT_TRUE(Silent());
}
