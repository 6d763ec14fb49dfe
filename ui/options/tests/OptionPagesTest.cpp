#include "CDvdRipSettingPanel.h"
#include "CGlobalSetting.h"
#include "CLameDllPathPanel.h"
#include "CLocalSetting.h"
#include "CMinimizeTaskBarPanel.h"
#include "CMpegAudioDecoderPanel.h"
#include "CRealAlternativePathPanel.h"
#include "CRecordingPathPanel.h"
#include "OutputPageSupport.h"
#include "UWebAddresses.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/windowing/Shell.h"
#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlUser.h"
#include "win32/TestHome.h"

#include <filesystem>
#include <fstream>

namespace {

class OptionPagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        MvTakeShownFileDialogs();
    }
    void TypeAndCommit(int id, const std::string& text) { view.TypeAndCommit(id, text); }

    PageHost host;
    PageView view;
    CGlobalSetting global;
    CLocalSetting local;
};

TEST_F(OptionPagesTest, TheEncoderLibraryPathIsTypedOrBrowsed)
{
    CSettingLameDll& lame = global.GetLameDll();
    lame.SetFilePath("/opt/lame/lame_enc.dll");
    CLameDllPathPanel page(1, nullptr);
    OpenPage(page, host, &lame, view);
    EXPECT_EQ("/opt/lame/lame_enc.dll", view.WindowText(CLameDllPathPanel::kPath));
    EXPECT_STREQ("lame_enc.dll", page.GetController()->GetText());

    TypeAndCommit(CLameDllPathPanel::kPath, "/usr/lib/libmp3lame.so");
    EXPECT_EQ(CString("/usr/lib/libmp3lame.so"), lame.GetFilePath());

    MvScriptFileDialog({false, {}, 0});
    view.Click(CLameDllPathPanel::kBrowse);
    EXPECT_EQ(CString("/usr/lib/libmp3lame.so"), lame.GetFilePath()) << "a cancelled prompt changes nothing";
    MvTestHome home;
    const std::string chosen = home.Path() + "/lame_enc.dll";
    std::ofstream(chosen) << "library";
    MvScriptFileDialog({true, {chosen}, 0});
    view.Click(CLameDllPathPanel::kBrowse);
    EXPECT_EQ(CString(chosen.c_str()), lame.GetFilePath());
    EXPECT_EQ(chosen, view.WindowText(CLameDllPathPanel::kPath));
    const auto prompts = MvTakeShownFileDialogs();
    ASSERT_EQ(2u, prompts.size());
    EXPECT_FALSE(prompts[1].save);
    ASSERT_FALSE(prompts[1].filters.empty());
    EXPECT_EQ("lame_enc.dll", prompts[1].filters[0].first);
    EXPECT_EQ("*.dll", prompts[1].filters[0].second);

    MvSetShellOpenHandler([](const std::string&) { return true; });
    MvTakeShellOpens();
    view.Click(CLameDllPathPanel::kDownload);
    EXPECT_EQ((std::vector<std::string>{UWebAddresses::GetLameAcmDownloadAddress().GetString()}), MvTakeShellOpens());
    MvSetShellOpenHandler(nullptr);
}

TEST_F(OptionPagesTest, LeftRightOrBothChannelsOfMpegAudio)
{
    CSettingDecodeMpeg& mpeg = local.GetDecodeMpeg();
    CMpegAudioDecoderPanel page(1, nullptr);
    OpenPage(page, host, &mpeg, view);
    using M = CMpegAudioDecoderPanel;
    struct Step {
        int click;
        bool left, right;
    } steps[] = {{M::kLeft, true, false}, {M::kRight, false, true}, {M::kBoth, true, true}, {M::kLeft, true, false}};
    EXPECT_TRUE(view.Checked(M::kBoth));
    for (const Step& s : steps) {
        SCOPED_TRACE(s.click);
        view.Click(s.click);
        EXPECT_EQ(s.left, mpeg.GetLeft());
        EXPECT_EQ(s.right, mpeg.GetRight());
        for (int id : {M::kLeft, M::kRight, M::kBoth}) EXPECT_EQ(id == s.click, view.Checked(id)) << id;
    }
}

TEST_F(OptionPagesTest, CheckBoxesFollowTheirSettings)
{
    CMinimizeTaskBarPanel taskBar(1, nullptr);
    OpenPage(taskBar, host, &local.GetMinimizeTaskBar());
    PageView tray(taskBar.m_hWnd);
    EXPECT_FALSE(tray.Checked(CMinimizeTaskBarPanel::kCheck));
    tray.Click(CMinimizeTaskBarPanel::kCheck);
    EXPECT_TRUE(local.GetMinimizeTaskBar().GetMinimize());

    CDvdRipSettingPanel dvd(1, nullptr);
    OpenPage(dvd, host, &local.GetDvdRip());
    PageView cells(dvd.m_hWnd);
    EXPECT_TRUE(cells.Checked(CDvdRipSettingPanel::kCheck));
    cells.Click(CDvdRipSettingPanel::kCheck);
    EXPECT_FALSE(local.GetDvdRip().GetMergeSeamlessCells());
    local.GetDvdRip().SetMergeSeamlessCells(true);
    EXPECT_TRUE(cells.Checked(CDvdRipSettingPanel::kCheck));
}

TEST_F(OptionPagesTest, FolderPagesTakeTypedAndBrowsedFolders)
{
    MvTestHome home;
    std::filesystem::create_directories(home.Path() + "/player");
    CSettingRealAlternative& real = global.GetRealAlternative();
    CRealAlternativePathPanel page(1, nullptr);
    OpenPage(page, host, &real, view);
    TypeAndCommit(CRealAlternativePathPanel::kPath, "/opt/realalt");
    EXPECT_EQ(0, std::string(real.GetFilePath().GetString()).find("/opt/realalt"));
    MvScriptFolder({true, home.Path() + "/player"});
    view.Click(CRealAlternativePathPanel::kBrowse2);
    EXPECT_EQ(0, std::string(real.GetFilePath2().GetString()).find(home.Path() + "/player"));
    EXPECT_EQ(std::string(real.GetFilePath2().GetString()), view.WindowText(CRealAlternativePathPanel::kPath2));

    CSettingRecordingPath& recording = local.GetRecordingPath();
    CRecordingPathPanel folder(1, nullptr);
    OpenPage(folder, host, &recording, view);
    TypeAndCommit(CRecordingPathPanel::kPath, "/srv/recordings");
    EXPECT_EQ(0, std::string(recording.GetFilePath().GetString()).find("/srv/recordings"));
    EXPECT_STREQ(recording.GetFilePath().GetString(), folder.GetController()->GetText());
}

} // namespace
