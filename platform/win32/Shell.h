#pragma once
// The shell's "open": xdg-open on the file or address, started without a shell.
// Nothing is ever executed: other verbs and executable files are refused.
#include "win32/Messages.h"

#include <functional>
#include <string>
#include <vector>

#define SE_ERR_FNF 2
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

// Answers a value above 32 on success, else an SE_ERR_ code (as a handle value).
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int show);
#define ShellExecute ShellExecuteA

// With a handler (tests, a backend) the target goes to it instead of xdg-open;
// its answer says whether it could be opened. Every open is recorded.
using MvShellOpenHandler = std::function<bool(const std::string& target)>;
void MvSetShellOpenHandler(MvShellOpenHandler handler);
std::vector<std::string> MvTakeShellOpens();
