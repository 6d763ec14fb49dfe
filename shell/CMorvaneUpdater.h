#pragma once
// "Auto Upgrade...": checks for a newer version and, when the user accepts it, downloads
// the installer behind a progress window, opens the folder that holds it, tells the user
// where it lies and tells the main window to close. The installer itself is never started.
#include "CBroadcaster.h"
#include "CHttpDownloadThread.h"
#include "CListener.h"
#include "CProgressDialog2.h"
#include "afx/CString.h"

inline constexpr long kUpdaterInstallMessage = 883402;
// What a main window posts itself to close once the installer has been started.
inline constexpr UINT kUpdaterInstallWindowMessage = 1224;

class CMorvaneUpdater : public CListener, public CBroadcaster {
public:
    CMorvaneUpdater();
    CMorvaneUpdater(const CMorvaneUpdater&) = delete;
    CMorvaneUpdater& operator=(const CMorvaneUpdater&) = delete;
    ~CMorvaneUpdater() override;

    void Update();
    // Asks a running download to stop and waits for it at most about half a second.
    void Cancel();
    bool ListenToMessage(long code, const void* a, const void* b) override;

    const CString& GetInstallerPath() const { return m_installerPath; }
    CProgressDialog2& GetProgressWindow() { return m_progress; }
    CHttpDownloadThread& GetDownloadThread() { return m_download; }

private:
    void DownloadEnded();
    // Where the download goes until it is whole.
    CString PartialPath() const;

    CProgressDialog2 m_progress;
    CHttpDownloadThread m_download;
    CString m_installerPath;
};
