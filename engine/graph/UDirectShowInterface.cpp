#include "UDirectShowInterface.h"

#include "UDirectShowUtils.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "afx/windows/CWinApp.h"

bool UDirectShowInterface::CheckValidVersion(bool checkWindowsMedia)
{
    if (UDirectShowUtils::GetDXVersion() < 0x800) {
        CString text = "This software requires DirectX 8.0 or above to function correctly.\n";
        text += "You do not have the correct DX version installed. ";
        text += "You can still run the software but may encounter problems.";
        AfxMessageBox(text);
        UShellUtils::Open(UWebAddresses::GetDxDownloadAddress());
    } else if (checkWindowsMedia && UDirectShowUtils::GetWMFVersion() < 0x900) {
        AfxMessageBox("This software requires Windows Media Format 9.0 and above to run. Please install the latest "
                      "version of WMF.");
        UShellUtils::Open(UWebAddresses::GetWmfDownloadAddress());
    }
    return true;
}
