#include "CGlobalSetting.h"
#include "CLocalSetting.h"
#include "CProgramOptionsDialog.h"
#include "OutputPageSupport.h"
#include "StApplicationId.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlUser.h"
#include "win32/dialogs/Dialog.h"

#include <memory>

namespace {

constexpr int kPageCombo = 11103;

// The engine's settings as the running application holds them.
class EngineSettings {
public:
    EngineSettings()
    {
        if (!CGlobalSetting::sSettings) m_global = std::make_unique<CGlobalSetting>();
        if (!CLocalSetting::sSettings) m_local = std::make_unique<CLocalSetting>();
    }

private:
    std::unique_ptr<CGlobalSetting> m_global;
    std::unique_ptr<CLocalSetting> m_local;
};

TEST(CProgramOptionsDialog, TheTextToSpeechProgramShowsOnlyTheEncoderLibraryPage)
{
    StApplicationId id(98102);
    EngineSettings settings;
    CGlobalSetting::sSettings->GetLameDll().SetFilePath("/opt/lame/lame_enc.dll");

    bool shown = false;
    MvScriptModal([&](HWND h) {
        shown = true;
        PageView frame(h);
        EXPECT_EQ((std::vector<std::string>{"Lame_enc.dll"}), frame.Items(kPageCombo));
        char caption[64] = {};
        ::GetWindowTextA(h, caption, sizeof caption);
        EXPECT_STREQ("Options", caption);
        frame.Click(IDCANCEL);
    });
    EXPECT_FALSE(CProgramOptionsDialog::Prompt());
    EXPECT_TRUE(shown);
}

TEST(CProgramOptionsDialog, OkCopiesTheEditedLibraryPathBackAndCancelDropsIt)
{
    StApplicationId id(98102);
    EngineSettings settings;
    CGlobalSetting::sSettings->GetLameDll().SetFilePath("/opt/lame/lame_enc.dll");
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        MvScriptModal([&](HWND h) {
            HWND page = nullptr;
            for (HWND child = ::GetWindow(h, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
                if (::GetDlgItem(child, CLameDllPathPanel::kPath)) page = child;
            ASSERT_NE(nullptr, page);
            PageView view(page);
            EXPECT_EQ("/opt/lame/lame_enc.dll", view.WindowText(CLameDllPathPanel::kPath));
            view.TypeAndCommit(CLameDllPathPanel::kPath, "/usr/lib/lame_enc.dll");
            PageView(h).Click(answer);
        });
        EXPECT_EQ(answer == IDOK, CProgramOptionsDialog::Prompt());
        EXPECT_EQ(CString(answer == IDOK ? "/usr/lib/lame_enc.dll" : "/opt/lame/lame_enc.dll"),
                  CGlobalSetting::sSettings->GetLameDll().GetFilePath());
    }
}

TEST(CProgramOptionsDialog, EachApplicationGetsThePagesItNeeds)
{
    struct Case {
        unsigned long application;
        std::vector<std::string> pages;
    } cases[] = {
        {98102, {"Lame_enc.dll"}},
        {29771, {"Lame_enc.dll", "Task Bar", "Recording Directory"}},
        {19237, {"Lame_enc.dll", "MPEG Audio Decoder", "DVD Input"}},
        {49534, {"Task Bar", "Recording Directory"}},
        {12345, {}},
    };
    EngineSettings settings;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.application);
        StApplicationId id(c.application);
        MvScriptModal([&](HWND h) {
            EXPECT_EQ(c.pages, PageView(h).Items(kPageCombo));
            PageView(h).Click(IDCANCEL);
        });
        CProgramOptionsDialog::Prompt();
    }
    EXPECT_FALSE(CProgramOptionsDialog::NeedsLame()) << "no application holds an id";
}

} // namespace
