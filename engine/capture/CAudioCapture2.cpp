#include "CAudioCapture2.h"

#include "CIniProfile.h"
#include "CRegistry.h"
#include "EngineSettingFiles.h"
#include "UDirectoryUtils.h"
#include "afx/CString.h"
#include "win32/kernel/ShellFolders.h"

const char* const CAudioCapture2::kSection = "Sound Card";
const char* const CAudioCapture2::kHardwareBufferKey = "Hardware Buffer";

namespace {

CIniProfile IniFile()
{
    CIniProfile profile;
    profile.SetIniFile(CString(UDirectoryUtils::GetCommonAppDataDirectory()) + kEngineIniFile);
    return profile;
}

}  // namespace

bool CAudioCapture2::GetSettingUseSoundCardBuffer()
{
    CIniProfile profile = IniFile();
    return CRegistry(kSection, kHardwareBufferKey, &profile).GetValue(0) == 1;
}

void CAudioCapture2::SetSettingUseSoundCardBuffer(bool use)
{
    MvCreateFolders(UDirectoryUtils::GetCommonAppDataDirectory());
    CIniProfile profile = IniFile();
    CRegistry(kSection, kHardwareBufferKey, &profile).SetValue(use ? 1 : 0);
}
