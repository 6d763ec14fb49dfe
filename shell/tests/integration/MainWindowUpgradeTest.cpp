#include "CMorvaneMainFrame.h"
#include "afx/CRect.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/Messages.h"
#include "win32/windowing/Window.h"

#include "FileText.h"
#include "ShellTestSupport.h"

#include <gtest/gtest.h>
#include <fstream>
#include <string>

namespace {

class MainWindowUpgrade : public ShellServerTest {};

// Records whether the download had been cancelled when the window went.
class RecordingFrame : public CMorvaneMainFrame {
public:
    explicit RecordingFrame(bool& cancelled) : m_cancelled(cancelled) {}
    void PostNcDestroy() override
    {
        m_cancelled = GetUpdater().GetDownloadThread().IsCanceled();
        CMorvaneMainFrame::PostNcDestroy();
    }

private:
    bool& m_cancelled;
};

} // namespace

TEST_F(MainWindowUpgrade, FrameClosesByItselfOnceTheInstallerIsDownloaded)
{
    std::ofstream(www + "/Morvane_setup.exe", std::ios::binary) << std::string(25000, 'i');
    auto* frame = new CMorvaneMainFrame;
    ASSERT_TRUE(frame->Create(nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
    const HWND hwnd = frame->m_hWnd;
    const std::string installer = frame->GetUpdater().GetInstallerPath().GetString();
    Answer("5.1", server->Address("/Morvane_setup.exe").c_str(), 98102);
    MvScriptMessageBoxAnswer(IDYES);
    frame->Upgrade();
    ASSERT_TRUE(MvPumpUntil([&] { return !::IsWindow(hwnd); }, 60000));
    EXPECT_EQ(std::vector<std::string>{installer.substr(0, installer.rfind('/') + 1)}, MvTakeShellOpens());
    EXPECT_EQ(25000u, FileText(installer).size());
}

TEST_F(MainWindowUpgrade, ClosingDuringADownloadCancelsIt)
{
    bool cancelledWhenGone = false;
    auto* frame = new RecordingFrame(cancelledWhenGone);
    ASSERT_TRUE(frame->Create(nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
    const HWND hwnd = frame->m_hWnd;
    CHttpDownloadThread& download = frame->GetUpdater().GetDownloadThread();
    // The first blocks come at once, the rest two bytes a second.
    std::ofstream(www + "/Morvane_setup.exe", std::ios::binary) << std::string(25000, 'i');
    Answer("5.1", server->Address("/drip/Morvane_setup.exe").c_str(), 98102);
    MvScriptMessageBoxAnswer(IDYES);
    frame->Upgrade();
    ASSERT_TRUE(MvPumpUntil([&] { return download.GetProgress() > 0; }, 30000));
    EXPECT_FALSE(download.IsCanceled());

    // The read waiting for drips ends with the window.
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_TRUE(cancelledWhenGone);
    MvPumpUntilIdle();
    EXPECT_TRUE(MvTakeShellOpens().empty());
    EXPECT_EQ(1u, MvTakeShownMessageBoxes().size()) << "only the question";
}
