#include "StFilterRegistration.h"

#include "CDirectoryPath.h"
#include "UDirectoryUtils.h"
#include "com/ServerRegistration.h"

#include <cstring>

namespace {

constexpr const char* kRegisterCommand = "regsvr32 /s ";

}  // namespace

StFilterRegistration::StFilterRegistration()
{
    CDirectoryPath folder(UDirectoryUtils::GetAppDirectory());
    if (folder.GetFilePath().IsEmpty()) return;
    folder.Populate("ax");
    Execute(kRegisterCommand, &folder);
}

void StFilterRegistration::Execute(const char* command, CPath* path)
{
    if (!command || !path) return;
    if (path->IsDir()) {
        auto* folder = static_cast<CDirectoryPath*>(path);
        for (int i = 0; i < folder->GetPathCount(); ++i) Execute(command, folder->GetPath(i));
        return;
    }
    // The result is not read, as that of a started registration tool is not.
    if (std::strncmp(command, "regsvr32", 8) == 0) ComRegisterServer(path->GetFilePath());
}
