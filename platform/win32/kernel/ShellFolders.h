#pragma once
// The shell's standard folders, mapped onto the XDG folders:
//   documents (CSIDL_PERSONAL)              -> the XDG documents folder ($HOME/Documents)
//   application data (CSIDL_APPDATA,
//   CSIDL_LOCAL_APPDATA, CSIDL_COMMON_APPDATA) -> $XDG_DATA_HOME (~/.local/share)
// and the registry's files lie in $XDG_CONFIG_HOME/Morvane/ (~/.config).
// When MORVANE_HOME names a folder, all of them move below it: config/, data/ and Documents/.
#include "win32/WinTypes.h"

#include <string>

#define CSIDL_PERSONAL 0x0005
#define CSIDL_APPDATA 0x001a
#define CSIDL_LOCAL_APPDATA 0x001c
#define CSIDL_COMMON_APPDATA 0x0023
#define CSIDL_FLAG_CREATE 0x8000
#define SHGFP_TYPE_CURRENT 0

#define MV_HOME_VARIABLE "MORVANE_HOME"

// Writes the folder (no trailing '/') into path (MAX_PATH bytes). With CSIDL_FLAG_CREATE the
// folder is created when missing; without it a missing folder fails.
HRESULT SHGetFolderPath(HWND owner, int folder, HANDLE token, DWORD flags, char* path);

// The folders themselves, without a trailing '/'; nothing is created.
std::string MvConfigHome();
std::string MvDataHome();
std::string MvDocumentsFolder();
// Creates a folder and every missing parent; true when it exists afterwards.
bool MvCreateFolders(const std::string& path);
