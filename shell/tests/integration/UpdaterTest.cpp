#include "CBroadcaster.h"
#include "CListener.h"
#include "CMorvaneUpdater.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/Messages.h"

#include "FileText.h"
#include "ShellTestSupport.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

class InstallLog : public CListener {
public:
    int installs = 0;
    bool ListenToMessage(long code, const void* a, const void* b) override
    {
        if (code == kUpdaterInstallMessage) {
            ++installs;
            return true;
        }
        return CListener::ListenToMessage(code, a, b);
    }
};

std::string Pattern(size_t n)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 13) % 251);
    return bytes;
}

class Updater : public ShellServerTest {
protected:
    void SetUp() override
    {
        ShellServerTest::SetUp();
        if (IsSkipped()) return;
        std::ofstream(www + "/Morvane_setup.exe", std::ios::binary) << Pattern(30000);
        std::ofstream(www + "/small.exe", std::ios::binary) << Pattern(10000);
    }
    // Offers a free upgrade to the address and accepts it.
    void Offer(const std::string& url)
    {
        Answer("5.1", url.c_str(), 98102);
        MvScriptMessageBoxAnswer(IDYES);
    }
    // Starts a download whose first blocks come at once and the rest two bytes a second, and
    // waits for the first blocks.
    void StartDripping(CMorvaneUpdater& updater)
    {
        Offer(server->Address("/drip/Morvane_setup.exe"));
        updater.Update();
        ASSERT_TRUE(MvPumpUntil([&] { return updater.GetDownloadThread().GetProgress() > 0; }, 30000));
    }
    // The names of the files of the installer's folder that start as the installer's does.
    std::vector<std::string> InstallerFiles(CMorvaneUpdater& updater)
    {
        const std::filesystem::path installer(updater.GetInstallerPath().GetString());
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(installer.parent_path()))
            if (entry.path().filename().string().rfind(installer.filename().string(), 0) == 0)
                found.push_back(entry.path().filename().string());
        return found;
    }
    void WaitForTheEnd(CMorvaneUpdater& updater)
    {
        ASSERT_TRUE(MvPumpUntil([&] { return !updater.GetDownloadThread().IsRunning(); }, 60000));
        MvPumpUntilIdle();
    }
};

} // namespace

TEST_F(Updater, AcceptedUpgradeIsDownloadedAndItsFolderShown)
{
    CMorvaneUpdater updater;
    InstallLog log;
    updater.AddListener(&log);
    EXPECT_EQ(home.Path(), std::filesystem::path(updater.GetInstallerPath().GetString()).parent_path().parent_path()
                               .string()
                               .substr(0, home.Path().size()));
    EXPECT_EQ("Morvane_setup.exe", std::filesystem::path(updater.GetInstallerPath().GetString()).filename());

    Offer(server->Address("/Morvane_setup.exe"));
    updater.Update();
    EXPECT_TRUE(updater.GetProgressWindow().GetSafeHwnd() != nullptr);
    CString title;
    updater.GetProgressWindow().GetWindowText(title);
    EXPECT_EQ(CString("Download update installer..."), title);
    WaitForTheEnd(updater);

    const std::string installer = updater.GetInstallerPath().GetString();
    EXPECT_EQ(Pattern(30000), FileText(installer));
    EXPECT_EQ(std::vector<std::string>{"Morvane_setup.exe"}, InstallerFiles(updater));
    EXPECT_EQ(1, log.installs);
    // The installer is never started: its folder is opened and the user told where it lies.
    EXPECT_EQ(std::vector<std::string>{installer.substr(0, installer.rfind('/') + 1)}, MvTakeShellOpens());
    EXPECT_EQ(nullptr, updater.GetProgressWindow().GetSafeHwnd());
    std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("The update installer has been saved as " + installer +
                  ". Its folder is now open: run the installer from there once this program has closed.",
              boxes[1].text);
    updater.RemoveListener(&log);
}

TEST_F(Updater, DecliningDownloadsNothing)
{
    CMorvaneUpdater updater;
    Answer("5.1", server->Address("/Morvane_setup.exe").c_str(), 98102);
    MvScriptMessageBoxAnswer(IDNO);
    updater.Update();
    EXPECT_FALSE(updater.GetDownloadThread().IsRunning());
    EXPECT_EQ(nullptr, updater.GetProgressWindow().GetSafeHwnd());
    MvPumpUntilIdle();
    EXPECT_FALSE(std::filesystem::exists(updater.GetInstallerPath().GetString()));
    EXPECT_TRUE(MvTakeShellOpens().empty());
}

TEST_F(Updater, CheckThatFailsSaysWhatFailed)
{
    CMorvaneUpdater updater;
    WriteAnswer("<?xml version=\"1.0\" ?>\r\n<reply><result>0</result><message>unknown application</message></reply>");
    updater.Update();
    EXPECT_FALSE(updater.GetDownloadThread().IsRunning());
    std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("The check for a newer version failed. unknown application", boxes[0].text);
}

TEST_F(Updater, FailedDownloadsShowTheErrorAndStartNothing)
{
    const std::string paths[] = {"/small.exe", "/missing.exe", "/Morvane_setup.exe?mode=short",
                                 "/Morvane_setup.exe?mode=huge"};
    for (const std::string& path : paths) {
        CMorvaneUpdater updater;
        InstallLog log;
        updater.AddListener(&log);
        Offer(server->Address(path));
        updater.Update();
        WaitForTheEnd(updater);
        EXPECT_EQ(0, log.installs) << path;
        EXPECT_TRUE(MvTakeShellOpens().empty()) << path;
        std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
        ASSERT_EQ(2u, boxes.size()) << path;
        EXPECT_EQ("There was an error downloading the update installer. Please try again later.", boxes[1].text);
        EXPECT_EQ(nullptr, updater.GetProgressWindow().GetSafeHwnd());
        // Not even the blocks that came before a short answer ended are left.
        EXPECT_EQ(std::vector<std::string>{}, InstallerFiles(updater)) << path;
        updater.RemoveListener(&log);
    }
}

TEST_F(Updater, InstallerSentOnToPlainHttpIsNotDownloaded)
{
    // The same file is there over plain http, but a secure download follows no way to it.
    MvLoopbackServer plain(MvLoopbackServer::kHttp, www);
    ASSERT_TRUE(plain.Running());
    CMorvaneUpdater updater;
    Offer(server->Address("/Morvane_setup.exe?redirect=" + plain.Address("/Morvane_setup.exe")));
    updater.Update();
    WaitForTheEnd(updater);
    EXPECT_FALSE(std::filesystem::exists(updater.GetInstallerPath().GetString()));
    EXPECT_TRUE(MvTakeShellOpens().empty());
    std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("There was an error downloading the update installer. Please try again later.", boxes[1].text);
}

TEST_F(Updater, CancelEndsADownloadWhateverTheServerDoes)
{
    CMorvaneUpdater updater;
    InstallLog log;
    updater.AddListener(&log);
    StartDripping(updater);
    CHttpDownloadThread& download = updater.GetDownloadThread();

    // The read in progress waits for drips: the cancel ends it all the same.
    updater.Cancel();
    EXPECT_TRUE(download.IsCanceled());
    WaitForTheEnd(updater);
    EXPECT_EQ(0, log.installs);
    EXPECT_EQ(std::vector<std::string>{}, InstallerFiles(updater));
    std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("There was an error downloading the update installer. Please try again later.", boxes[1].text);
    updater.RemoveListener(&log);
}

TEST_F(Updater, CancelInTheProgressWindowEndsTheDownload)
{
    CMorvaneUpdater updater;
    StartDripping(updater);
    CHttpDownloadThread& download = updater.GetDownloadThread();
    updater.GetProgressWindow().OnCancel();
    EXPECT_TRUE(download.IsCanceled());
    WaitForTheEnd(updater);
    EXPECT_EQ(nullptr, updater.GetProgressWindow().GetSafeHwnd());
    EXPECT_TRUE(MvTakeShellOpens().empty());
}

TEST_F(Updater, SecondUpdateWhileDownloadingAsksNothing)
{
    CMorvaneUpdater updater;
    StartDripping(updater);
    ASSERT_TRUE(updater.GetDownloadThread().IsRunning());
    MvTakeShownMessageBoxes();
    updater.Update();
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
    EXPECT_EQ(CString(server->Address("/drip/Morvane_setup.exe").c_str()), updater.GetDownloadThread().GetUrl());
    updater.Cancel();
    WaitForTheEnd(updater);
}
