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

#include <cstdint>
#include <string>
#include <strings.h>

namespace {

// The service and the installer are only taken over https: over anything else a server
// on the path could choose the file the user is asked to run.
bool IsSecureAddress(const char* url) { return url && strncasecmp(url, "https://", 8) == 0; }

} // namespace

CString UMorvaneWebUtils::CheckVersion()
{
    const unsigned long id = StApplicationId::Id();
    CMorvaneXmlAppVersion record;
    const CString site = UMorvaneWeb::GetApiUrl();
    if (!IsSecureAddress(site)) return CString();
    CWebXml web;
    web.SetSite(site);
    web.SetPath(UMorvaneWeb::GetApiAppVersionPath());
    web.SetObject(&record);
    web.AddParam("id", static_cast<int>(id));
    if (!web.Run()) return CString();

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
