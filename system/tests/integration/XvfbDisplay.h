#pragma once
// Starts a private Xvfb for the tests that need a display and points DISPLAY at it before
// anything opens one; tests skip with the reason when it cannot start.
#include <string>

namespace xvfb {

// True when the display runs; otherwise why not.
bool Running();
const std::string& Reason();

}

#define MV_REQUIRE_DISPLAY()                                                        \
    do {                                                                            \
        if (!xvfb::Running()) GTEST_SKIP() << "no X display: " << xvfb::Reason();  \
    } while (0)
