#include "UMorvaneWebUtils.h"

#include "CMorvaneXmlAppVersion.h"
#include "CVersion.h"
#include "CWebXml.h"
#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UMorvaneWeb.h"
#include "UShellUtils.h"
#include "afx/windows/CWinApp.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/kernel/Files.h"

#include "afx/windows/CWnd.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <strings.h>
#include <thread>

namespace {

// The service and the installer are only taken over https: over anything else a server
// on the path could choose the file the user is asked to run.
bool IsSecureAddress(const char* url) { return url && strncasecmp(url, "https://", 8) == 0; }

// Runs the request on a thread of its own while this one handles its messages as a modal
// loop does: the windows repaint, and the main window, held off as a message box holds off
// its owner, cannot start the check again or close under it.
bool RunWhileHandlingMessages(CWebXml& web)
{
    std::atomic<bool> done{false};
    bool ok = false;
    const DWORD self = GetCurrentThreadId();
    std::thread worker([&] {
        ok = web.Run();
        done = true;
        PostThreadMessageA(self, WM_NULL, 0, 0);  // wakes the wait below
    });
    CWnd* main = AfxGetMainWnd();
    const HWND owner = main ? main->GetSafeHwnd() : nullptr;
    const bool held = owner && IsWindowEnabled(owner);
    if (held) EnableWindow(owner, FALSE);
    MSG quit{};
    while (!done) {
        // A quit is left for the outer loop; the request ends within its time limit.
        if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) break;
        MvProcessPending();
        if (!done) WaitMessage();
    }
    worker.join();
    if (held) EnableWindow(owner, TRUE);
    return ok;
}

// The service's own words are shown as text of one line and a bounded length.
CString FailureText(const CString& message)
{
    std::string text;
    for (const char* c = message.GetString(); *c && text.size() < 200; ++c) {
        const bool control = static_cast<unsigned char>(*c) < 0x20;
        if (!control) text += *c;
        else if (!text.empty() && text.back() != ' ') text += ' ';
    }
    return text.empty() ? CString("The update service gave no answer that could be read.") : CString(text.c_str());
}

} // namespace

CString UMorvaneWebUtils::CheckVersion(CString* failure)
{
    if (failure) failure->Empty();
    const unsigned long id = StApplicationId::Id();
    CMorvaneXmlAppVersion record;
    const CString site = UMorvaneWeb::GetApiUrl();
    if (!IsSecureAddress(site)) {
        if (failure) *failure = "The update service was not asked: its address is not a secure (https) address.";
        return CString();
    }
    CWebXml web;
    web.SetSite(site);
    web.SetPath(UMorvaneWeb::GetApiAppVersionPath());
    web.SetObject(&record);
    web.AddParam("id", static_cast<int>(id));
    if (!RunWhileHandlingMessages(web)) {
        if (failure) *failure = FailureText(web.GetMessage());
        return CString();
    }

    CVersion available;
    available.Parse(record.GetVersion());
    const std::string name = UApplicationUtils::GetApplicationName(id);
    char path[4096] = {};
    GetModuleFileName(nullptr, path, sizeof(path));
    const CVersion running(path);

    if (!available.NewerThan(running)) {
        AfxMessageBox(("You have the latest " + name + " installed.").c_str(), MB_OK | MB_ICONINFORMATION);
        return CString();
    }
    const std::string offer = name + " v" + available.GetSimpleVersionText() + " is now available.";
    if (static_cast<uint32_t>(record.GetUpgradeId()) > static_cast<uint32_t>(id)) {
        AfxMessageBox((offer + " This is a major version upgrade? Please visit our web site for upgrade "
                               "information.")
                          .c_str(),
                      MB_OK | MB_ICONINFORMATION);
        UShellUtils::Open(UMorvaneWeb::GetUpgradeInfoUrl());
        return CString();
    }
    if (AfxMessageBox((offer + " This is a free upgrade. Would you like to update now?").c_str(),
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return CString();
    if (!IsSecureAddress(record.GetDownloadUrl())) {
        AfxMessageBox("The update installer was not downloaded: its address is not a secure (https) address.",
                      MB_OK | MB_ICONERROR);
        return CString();
    }
    return record.GetDownloadUrl();
}
