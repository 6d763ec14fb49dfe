#include "XvfbDisplay.h"

#include <gtest/gtest.h>
#include <X11/Xlib.h>
#include <csignal>
#include <poll.h>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
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
        // Xvfb picks a free display itself and writes its number to the pipe. -noreset: the
        // server would otherwise reset when our probe below disconnects, refusing whoever
        // connects next for that moment.
        int fds[2];
        if (::pipe(fds) != 0) {
            gReason = "no pipe for Xvfb";
            return;
        }
        std::string fd = std::to_string(fds[1]);
        const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1366x768x24", "-nolisten", "tcp",
                              "-noreset", nullptr};
        int spawned = posix_spawnp(&mPid, "Xvfb", nullptr, nullptr, const_cast<char* const*>(argv), environ);
        ::close(fds[1]);
        if (spawned != 0) {
            mPid = 0;
            ::close(fds[0]);
            gReason = "Xvfb is not installed (scripts/setup.sh installs it)";
            return;
        }
        std::string number;
        char c;
        pollfd p{fds[0], POLLIN, 0};
        while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(fds[0]);
        if (number.empty()) {
            gReason = "Xvfb did not start within 10 s";
            return;
        }
        std::string display = ":" + number;
        if (Display* d = XOpenDisplay(display.c_str())) {
            XCloseDisplay(d);
            ::setenv("DISPLAY", display.c_str(), 1);
            gRunning = true;
            gReason.clear();
            return;
        }
        gReason = "Xvfb started but " + display + " does not answer";
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
