#include "CMorvaneUpdater.h"

#include "UDirectoryUtils.h"
#include "UMorvaneWebUtils.h"
#include "UShellUtils.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/kernel/Files.h"
#include "win32/kernel/Threads.h"

#include <string>

namespace {
constexpr int kCancelPolls = 10;
constexpr DWORD kCancelPollMs = 50;
constexpr const char* kDownloadError = "There was an error downloading the update installer. Please try again later.";
} // namespace

CMorvaneUpdater::CMorvaneUpdater()
    : m_progress(400, nullptr), m_installerPath(CString(UDirectoryUtils::GetUserAppDataDirectory()) + "Morvane_setup.exe")
{
    m_download.AddListener(this);
    m_progress.AddListener(this);
}

CMorvaneUpdater::~CMorvaneUpdater()
{
    Cancel();
    m_download.RemoveListener(this);
    m_progress.RemoveListener(this);
}

void CMorvaneUpdater::Update()
{
    // The running download still reads its address and path.
    if (m_download.IsRunning()) return;
    // The user asked for the check: one that could not be made says why.
    CString failure;
    const CString url = UMorvaneWebUtils::CheckVersion(&failure);
    if (!failure.IsEmpty())
        AfxMessageBox(("The check for a newer version failed. " + std::string(failure.GetString())).c_str(),
                      MB_OK | MB_ICONERROR);
    if (url.IsEmpty()) return;
    m_download.SetUrl(url);
    // Written under a name that says it is partial until the whole installer is in.
    m_download.SetOutPath(PartialPath());
    // A program that never saved its settings has no data folder yet.
    UDirectoryUtils::EstablishPath(m_installerPath);
    // Without a thread no end would ever take the progress window down.
    if (!m_download.Execute(0)) {
        AfxMessageBox(kDownloadError, MB_OK | MB_ICONERROR);
        return;
    }
    m_progress.SetAction(&m_download, false);
    m_progress.Start("Download update installer...");
}

CString CMorvaneUpdater::PartialPath() const { return m_installerPath + ".partial"; }

void CMorvaneUpdater::Cancel()
{
    if (!m_download.IsRunning()) return;
    m_download.Cancel();
    for (int i = 0; i < kCancelPolls && m_download.IsRunning(); ++i) Sleep(kCancelPollMs);
}

bool CMorvaneUpdater::ListenToMessage(long code, const void* a, const void* b)
{
    switch (code) {
    case kProgressCancelMessage: m_download.Cancel(); return true;
    case kWorkerFinishedMessage: DownloadEnded(); return true;
    default: return CListener::ListenToMessage(code, a, b);
    }
}

void CMorvaneUpdater::DownloadEnded()
{
    m_progress.End();
    m_download.Reset();
    if (!m_download.IsOk() || !MoveFileEx(PartialPath(), m_installerPath, MOVEFILE_REPLACE_EXISTING)) {
        DeleteFile(PartialPath());
        AfxMessageBox(kDownloadError, MB_OK | MB_ICONERROR);
        return;
    }
    // A downloaded program is never started here: the user is shown where it lies.
    const std::string path(m_installerPath.GetString());
    UShellUtils::Open(path.substr(0, path.rfind('/') + 1).c_str());
    const std::string text = "The update installer has been saved as " + path +
                             ". Its folder is now open: run the installer from there once this program has closed.";
    AfxMessageBox(text.c_str(), MB_OK | MB_ICONINFORMATION);
    Broadcast(kUpdaterInstallMessage, this, nullptr);
}
