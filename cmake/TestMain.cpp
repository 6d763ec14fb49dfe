// The main of every test program: the whole run gets a fresh MORVANE_HOME, so no test can
// reach the user's real settings, data or documents folders, whatever it forgets to set up.
#include "win32/TestHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>

int main(int argc, char** argv)
{
    // Static, so that it goes only after the objects that save on their way out (made on
    // first use, during the tests) have saved into it.
    static MvTestHome home;
    // What falls back to the user's own folders, here or in a program a test starts, finds
    // the test's instead.
    const std::string user = home.Path() + "/user";
    const struct {
        const char* variable;
        const char* folder;
    } folders[] = {{"HOME", ""},
                   {"XDG_CONFIG_HOME", "/.config"},
                   {"XDG_DATA_HOME", "/.local/share"},
                   {"XDG_STATE_HOME", "/.local/state"},
                   {"XDG_CACHE_HOME", "/.cache"}};
    for (const auto& f : folders) setenv(f.variable, (user + f.folder).c_str(), 1);
    // Temporary files and folders go inside it too, a child test program's own home among
    // them: a child that ends without cleaning up leaves nothing once this run has ended.
    const std::string temp = home.Path() + "/tmp";
    if (mkdir(temp.c_str(), 0700) == 0) setenv("TMPDIR", temp.c_str(), 1);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
