// Files dropped on a media list go to its verifier; what it refuses is shown to the user
// and never becomes a row.
#include "CConversionList.h"
#include "CMediaConversionListControl.h"
#include "CMediaFileVerifier.h"
#include "ListsTestSupport.h"

#include "win32/TestHome.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/Shell.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

TEST(MediaListDrop, DroppedFilesReachTheVerifierAndTheRefusedOnesAreShown)
{
    MvTestHome home;
    const std::filesystem::path folder = std::filesystem::path(home.Path()) / "music";
    std::filesystem::create_directories(folder / "more");
    // Protected music is refused without being opened.
    std::ofstream(folder / "song.m4p") << "protected";
    std::ofstream(folder / "more" / "tune.M4P") << "protected";

    CConversionList conversions;
    ListHost<CMediaConversionListControl> list(true, false, false);
    list.control.SetObject(&conversions);
    std::set<std::string> shown;
    bool dialog = false;
    MvScriptModal([&](HWND failed) {
        dialog = true;
        for (const std::string& name : ReportView(::GetDlgItem(failed, 7025)).Column(0)) shown.insert(name);
        ::SendMessageA(failed, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(MvDropFiles(list.control.GetSafeHwnd(), {(folder / "song.m4p").string(), (folder / "more").string()},
                            POINT{30, 30}));
    ASSERT_TRUE(MvPumpUntil([&] { return dialog; }, 30000));
    MvPumpUntilIdle();
    EXPECT_EQ(shown, (std::set<std::string>{"song.m4p", "tune.M4P"}));
    EXPECT_EQ(conversions.GetFileCount(), 0);
    EXPECT_EQ(list.View().Rows(), 0);
    CMediaFileVerifier& verifier = list.control.GetVerifier();
    EXPECT_TRUE(MvPumpUntil([&] { return !verifier.GetWorker().IsRunning(); }, 30000));
    EXPECT_EQ(verifier.GetFailList().GetItemCount(), 0);
    EXPECT_EQ(verifier.GetWorker().GetQueue().GetItemCount(), 0);
}

} // namespace
