#include "UTesterMarks.h"

#include "UDirectoryUtils.h"
#include "afx/CString.h"

void UTesterMarks::Open(CIniProfile& profile, const char* fileName)
{
    CString path = UDirectoryUtils::GetCommonAppDataDirectory();
    // A mark that cannot be written guards nothing.
    UDirectoryUtils::CreateDirectoryIfNotExist(path);
    path += fileName;
    profile.SetIniFile(path);
}

bool UTesterMarks::IsBlocked(CIniProfile& profile, const char* section)
{
    return CRegistry(section, "blocked", &profile).GetValue(0) != 0;
}
