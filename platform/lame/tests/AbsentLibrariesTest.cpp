#include "win32/kernel/Module.h"
#include "win32/WinError.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace {

std::string ProgramFolder()
{
    char path[4096];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof(path) - 1);
    std::string text(path, n > 0 ? static_cast<size_t>(n) : 0);
    return text.substr(0, text.find_last_of('/') + 1);
}

bool BuiltBesideUs(const std::string& file)
{
    std::string folder = ProgramFolder();
    return ::access((folder + file).c_str(), F_OK) == 0 || ::access((folder + "../lib/" + file).c_str(), F_OK) == 0;
}

// Libraries of other vendors that the system probes by name: without them the load fails
// with "module not found", which the engine takes as the library being absent.
TEST(AbsentLibrariesTest, MediaRuntimesWithoutAStandInFailToLoad)
{
    if (BuiltBesideUs("libwmvcore.so")) GTEST_SKIP() << "the media runtime has a stand-in in this build";
    SetLastError(0);
    EXPECT_EQ(LoadLibrary("wmvcore.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

TEST(AbsentLibrariesTest, ProducerSessionUnderAnUnsetFolderFailsToLoad)
{
    // The producer's folder comes from the registry; unset, the session module's path is
    // the bare tools folder.
    SetLastError(0);
    EXPECT_EQ(LoadLibrary("/tools/encsession.dll"), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}

}
