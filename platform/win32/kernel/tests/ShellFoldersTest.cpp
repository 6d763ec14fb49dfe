#include "win32/kernel/ShellFolders.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(ShellFolders, OneVariableMovesEveryFolderUnderTheTestsHome)
{
    MvTestHome home;
    struct Case {
        int csidl;
        std::string expected;
    } cases[] = {
        {CSIDL_PERSONAL, home.Path() + "/Documents"},
        {CSIDL_APPDATA, home.Path() + "/data"},
        {CSIDL_COMMON_APPDATA, home.Path() + "/data"},
    };
    for (const auto& c : cases) {
        char path[MAX_PATH];
        struct stat st;
        bool existed = stat(c.expected.c_str(), &st) == 0; // the common folder is the user's one
        EXPECT_EQ(existed ? S_OK : E_FAIL, SHGetFolderPath(nullptr, c.csidl, nullptr, 0, path)) << c.expected;
        ASSERT_EQ(S_OK, SHGetFolderPath(nullptr, c.csidl | CSIDL_FLAG_CREATE, nullptr, 0, path));
        EXPECT_EQ(c.expected, path);
        EXPECT_EQ(0, stat(path, &st));
        EXPECT_EQ(S_OK, SHGetFolderPath(nullptr, c.csidl, nullptr, 0, path));
    }
    EXPECT_EQ(home.Path() + "/config", MvConfigHome());
    char path[MAX_PATH];
    EXPECT_EQ(E_INVALIDARG, SHGetFolderPath(nullptr, 0x7F, nullptr, 0, path));
}

TEST(ShellFolders, WithoutTheVariableTheXdgFoldersCount)
{
    // The test main gives the whole program a home; this test is about life without one.
    std::string testHome = getenv(MV_HOME_VARIABLE) ? getenv(MV_HOME_VARIABLE) : "";
    unsetenv(MV_HOME_VARIABLE);
    const char* saved = getenv("XDG_DATA_HOME");
    std::string keep = saved ? saved : "";
    setenv("XDG_DATA_HOME", "/srv/data-home/", 1);
    EXPECT_EQ("/srv/data-home", MvDataHome());
    setenv("XDG_DATA_HOME", "relative/ignored", 1);
    EXPECT_EQ(std::string(getenv("HOME")) + "/.local/share", MvDataHome());
    if (saved) setenv("XDG_DATA_HOME", keep.c_str(), 1);
    else unsetenv("XDG_DATA_HOME");
    if (!testHome.empty()) setenv(MV_HOME_VARIABLE, testHome.c_str(), 1);
}
