#include "UMorvaneWeb.h"

#include "CIniProfile.h"
#include "CRegistry.h"
#include "UDirectoryUtils.h"

#include <string>

namespace {

constexpr const char* kApiUrl = "https://www.morvane.com/api/";
constexpr const char* kUpgradeInfoUrl = "https://www.morvane.com/upgrade.html";

CString LinkOrDefault(const char* tag, const char* fallback)
{
    const std::string path = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
    CIniProfile profile;
    profile.SetIniFile(path.c_str());
    // The tag names the section, as in the links menu.
    return CString(CRegistry(tag, "Link", &profile).GetTextValue(fallback));
}

} // namespace

CString UMorvaneWeb::GetApiUrl() { return LinkOrDefault("Api", kApiUrl); }

CString UMorvaneWeb::GetFileName() { return CString(); }

CString UMorvaneWeb::GetApiAppVersionPath() { return CString("version/") + GetFileName(); }

CString UMorvaneWeb::GetUpgradeInfoUrl() { return LinkOrDefault("Upgrade Info", kUpgradeInfoUrl); }
