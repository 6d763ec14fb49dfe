// The main of every test program: the whole run gets a fresh MORVANE_HOME, so no test can
// reach the user's real settings, data or documents folders, whatever it forgets to set up.
#include "win32/TestHome.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    MvTestHome home;
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
