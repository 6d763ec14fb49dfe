#include "win32/kernel/Files.h"
#include "win32/kernel/Module.h"
#include "win32/WinError.h"

#include <gtest/gtest.h>
#include <string>

namespace {

bool FixedInfo(const char* path, VS_FIXEDFILEINFO& info)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSize(path, &handle);
    if (size == 0) return false;
    std::string block(size, '\0');
    if (!GetFileVersionInfo(path, handle, size, block.data())) return false;
    void* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValue(block.data(), "\\", &fixed, &length) || length != sizeof(info)) return false;
    info = *static_cast<VS_FIXEDFILEINFO*>(fixed);
    return true;
}

}

TEST(Module, ThisProgramCarriesTheProjectsVersion)
{
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileName(nullptr, path, sizeof(path)), 0u);
    VS_FIXEDFILEINFO info{};
    ASSERT_TRUE(FixedInfo(path, info));
    EXPECT_EQ(0xFEEF04BDu, info.dwSignature);
    EXPECT_EQ((DWORD(MV_VERSION_MAJOR) << 16) | MV_VERSION_MINOR, info.dwFileVersionMS);
    EXPECT_EQ((DWORD(MV_VERSION_BUGFIX) << 16) | MV_VERSION_BUILD, info.dwFileVersionLS);
}

TEST(Module, FilesWithoutAVersionHaveNone)
{
    VS_FIXEDFILEINFO info{};
    for (const char* path : {"/bin/sh", "/etc/hostname", "/no/such/file", "/tmp"}) {
        EXPECT_FALSE(FixedInfo(path, info)) << path;
    }
    EXPECT_FALSE(VerQueryValue("garbage bytes here, not a block", "\\", nullptr, nullptr));
}

TEST(Module, LibrariesLoadByNameAndMissingOnesFail)
{
    HMODULE missing = LoadLibrary("lame_enc_does_not_exist.dll");
    EXPECT_EQ(nullptr, missing);
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
    HMODULE math = LoadLibrary("libm.so.6");
    ASSERT_NE(nullptr, math);
    EXPECT_NE(nullptr, GetProcAddress(math, "cos"));
    EXPECT_EQ(nullptr, GetProcAddress(math, "no_such_function_here"));
    EXPECT_EQ(ERROR_PROC_NOT_FOUND, GetLastError());
    char path[MAX_PATH];
    EXPECT_GT(GetModuleFileName(math, path, sizeof(path)), 0u);
    EXPECT_NE(nullptr, strstr(path, "libm"));
    EXPECT_TRUE(FreeLibrary(math));
}

TEST(Module, ProbedGraphicsRuntimeLibrariesArePresent)
{
    for (const char* name : {"DDRAW.DLL", "d3d8.dll", "dpnhpast.dll"}) {
        HMODULE module = LoadLibrary(name);
        ASSERT_NE(nullptr, module) << name;
        EXPECT_TRUE(FreeLibrary(module));
    }
    EXPECT_EQ(nullptr, LoadLibrary("d3d9_not_provided.dll"));
}

TEST(Module, LoadedLibrariesAreFoundByTheirSystemNames)
{
    HMODULE layer = GetModuleHandle("mvwin32.dll");
    ASSERT_NE(nullptr, layer);
    EXPECT_NE(GetModuleHandle(nullptr), layer);
    for (const char* name : {"MvWin32.DLL", "mvwin32"}) EXPECT_EQ(layer, GetModuleHandle(name)) << name;
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileName(layer, path, sizeof(path)), 0u);
    EXPECT_NE(nullptr, strstr(path, "libmvwin32.so"));
    HMODULE loaded = LoadLibrary(path);
    EXPECT_EQ(layer, loaded);
    EXPECT_TRUE(FreeLibrary(loaded));
    EXPECT_EQ(layer, GetModuleHandle("mvwin32.dll"));  // still loaded: asking took no reference

    SetLastError(0);
    EXPECT_EQ(nullptr, GetModuleHandle("lame_enc_does_not_exist.dll"));
    EXPECT_EQ(ERROR_MOD_NOT_FOUND, GetLastError());
    EXPECT_EQ(nullptr, GetModuleHandle(""));
}

TEST(Module, AShortBufferGetsATerminatedPrefix)
{
    char path[4];
    EXPECT_EQ(4u, GetModuleFileName(nullptr, path, sizeof(path)));
    EXPECT_EQ(ERROR_INSUFFICIENT_BUFFER, GetLastError());
    EXPECT_EQ('\0', path[3]);
}
