#pragma once
// Loading shared objects by name, and the version record of a program file.
#include "win32/WinTypes.h"

using FARPROC = void*;

// A name with a folder is loaded as given. A bare "name.dll" maps to "libname.so" beside the
// program (or in ../lib from it), and fails when there is none, as on a machine without it;
// any other bare name is also looked up by the system's loader.
HMODULE LoadLibrary(const char* name);
BOOL FreeLibrary(HMODULE module);
FARPROC GetProcAddress(HMODULE module, const char* name);
// Null gives the program's own module; so does "user32.dll", which is this layer itself.
// Otherwise a library already loaded ("name.dll", or "name", is "libname.so", in any case);
// nothing is loaded, and the handle is the one LoadLibrary gives for the same library.
HMODULE GetModuleHandle(const char* name);

struct VS_FIXEDFILEINFO {
    DWORD dwSignature; // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

// A program or library of this project carries its version in a record its build adds
// (see win32/VersionResource.h); a file without one has no version information.
DWORD GetFileVersionInfoSize(const char* path, DWORD* handle);
BOOL GetFileVersionInfo(const char* path, DWORD handle, DWORD size, void* data);
// Only the root block "\\" (the fixed file information) exists.
BOOL VerQueryValue(const void* block, const char* subBlock, void** buffer, UINT* length);
