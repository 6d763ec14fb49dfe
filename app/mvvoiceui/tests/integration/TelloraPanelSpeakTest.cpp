#include "CSpeechSystem.h"
#include "CTelloraPanel.h"
#include "afx/controls/CRichEditCtrl.h"
#include "afx/windows/CWnd.h"
#include "com/ComRuntime.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <set>
#include <string>

namespace {

class Host : public CWnd {
public:
    ~Host() override
    {
        if (m_hWnd) DestroyWindow();
    }
};

// The main page in a window, speaking to the null audio device.
class TelloraPanelSpeakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_AUDIO", "null", 1);
        CoInitialize(nullptr);
        system = new CSpeechSystem;
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 700, 500), nullptr, 0));
        panel = new CTelloraPanel;
        ASSERT_TRUE(panel->CreateInWindow(&host));
        panel->ShowWindow(SW_SHOW);
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
    std::string Selected() { return std::string(Edit().GetSelText()); }
    // Pumps until the words in want have each been selected, recording every selection.
    bool SeeWords(const std::set<std::string>& want, std::set<std::string>& seen)
    {
        return MvPumpUntil(
            [&] {
                long from = 0, to = 0;
                Edit().GetSel(from, to);
                if (to > from) seen.insert(Selected());
                for (const std::string& w : want)
                    if (!seen.count(w)) return false;
                return true;
            },
            120000);
    }

    MvTestHome home;
    CSpeechSystem* system = nullptr;
    Host host;
    CTelloraPanel* panel = nullptr;
};

}  // namespace

TEST_F(TelloraPanelSpeakTest, SelectionWalksNonAsciiWordsAtTheirPlaces)
{
    Edit().SetWindowText("Grüße aus Zürich und Ärger über Köln heute.");
    Command(CTelloraPanel::kStart);
    std::set<std::string> seen;
    ASSERT_TRUE(SeeWords({"Zürich", "Köln", "heute"}, seen));
    Command(CTelloraPanel::kStop);
    ASSERT_TRUE(MvPumpUntil([&] { return !panel->GetSpeaker().IsSpeaking(); }, 60000));
}

TEST_F(TelloraPanelSpeakTest, PauseThenStartResumesAndStopEnds)
{
    Edit().SetWindowText("Über den Wolken ist die Freiheit wohl grenzenlos, sagt man, und man glaubt es gern.");
    Command(CTelloraPanel::kStart);
    std::set<std::string> seen;
    ASSERT_TRUE(SeeWords({"Wolken"}, seen));
    Command(CTelloraPanel::kPause);
    ASSERT_TRUE(MvPumpUntil([&] { return panel->GetSpeaker().IsPaused(); }, 60000));
    Command(CTelloraPanel::kStart);
    ASSERT_TRUE(MvPumpUntil([&] { return !panel->GetSpeaker().IsPaused(); }, 60000));
    EXPECT_TRUE(panel->GetSpeaker().IsSpeaking());
    ASSERT_TRUE(SeeWords({"Wolken", "gern"}, seen));
    Command(CTelloraPanel::kStop);
    ASSERT_TRUE(MvPumpUntil([&] { return !panel->GetSpeaker().IsSpeaking(); }, 60000));
}

TEST_F(TelloraPanelSpeakTest, StartFromCursorInsideAWordKeepsTheEditorsPlaces)
{
    Edit().SetWindowText("Ärger über Köln und Zürich heute.");
    Edit().SetSel(2, 2);  // inside "Ärger"
    Command(CTelloraPanel::kStartFromCursor);
    std::set<std::string> seen;
    ASSERT_TRUE(SeeWords({"Köln", "Zürich"}, seen));
    EXPECT_FALSE(seen.count("Ärger"));
    Command(CTelloraPanel::kStop);
    ASSERT_TRUE(MvPumpUntil([&] { return !panel->GetSpeaker().IsSpeaking(); }, 60000));
}
