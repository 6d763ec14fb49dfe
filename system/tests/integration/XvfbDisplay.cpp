#include "XvfbDisplay.h"

#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace xvfb {
namespace {

bool gRunning = false;
std::string gReason = "not started";

class Environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // A display number of our own, derived from the process id to keep parallel runs apart.
        int number = 100 + ::getpid() % 800;
        std::string display = ":" + std::to_string(number);
        const char* argv[] = {"Xvfb", display.c_str(), "-screen", "0", "1366x768x24", "-nolisten", "tcp", nullptr};
        if (posix_spawnp(&mPid, "Xvfb", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) {
            mPid = 0;
            gReason = "Xvfb is not installed (scripts/setup.sh installs it)";
            return;
        }
        for (int i = 0; i < 100; ++i) {
            if (Display* d = XOpenDisplay(display.c_str())) {
                XCloseDisplay(d);
                ::setenv("DISPLAY", display.c_str(), 1);
                gRunning = true;
                gReason.clear();
                return;
            }
            int status;
            if (::waitpid(mPid, &status, WNOHANG) == mPid) {
                mPid = 0;
                gReason = "Xvfb exited at start";
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        gReason = "Xvfb did not answer within 5 s";
    }

    void TearDown() override
    {
        if (!mPid) return;
        ::kill(mPid, SIGTERM);
        int status;
        ::waitpid(mPid, &status, 0);
    }

private:
    pid_t mPid = 0;
};

const auto* gEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

}

bool Running() { return gRunning; }
const std::string& Reason() { return gReason; }

}
