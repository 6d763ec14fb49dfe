#pragma once
// Programs a test starts as its children: their stdout through a pipe, their stderr to a
// file, their end awaited with a deadline.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace DesktopChild {

// Starts a program with the given variables added to its environment; its stdout comes back through outFd.
// "{out}" in an argument stands for the pipe's descriptor (Xvfb's -displayfd).
inline pid_t Spawn(std::vector<std::string> args, const std::vector<std::string>& env, int* outFd, const std::string& errPath)
{
    int out[2];
    if (pipe(out) != 0) return -1;
    bool named = false;
    for (std::string& a : args)
        if (a == "{out}") a = std::to_string(out[1]), named = true;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!named) posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    if (!errPath.empty()) posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // The given variables replace the inherited ones of the same name.
    std::vector<std::string> all(env.begin(), env.end());
    for (char** e = environ; *e; ++e) {
        std::string inherited = *e;
        std::string name = inherited.substr(0, inherited.find('=') + 1);
        bool replaced = std::any_of(env.begin(), env.end(), [&](const std::string& v) { return v.rfind(name, 0) == 0; });
        if (!replaced) all.push_back(inherited);
    }
    std::vector<char*> envp;
    for (std::string& e : all) envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (pid < 0) {
        close(out[0]);
        return -1;
    }
    *outFd = out[0];
    return pid;
}

// A line from fd within the deadline; empty when none came.
inline std::string ReadLine(int fd, int ms)
{
    std::string line;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count());
        if (poll(&p, 1, std::max(left, 1)) <= 0) continue;
        char c;
        if (read(fd, &c, 1) != 1) break;
        if (c == '\n') return line;
        line += c;
    }
    return line;
}

// The child's status, or -1 when it did not end within the deadline.
inline int WaitEnd(pid_t pid, int ms)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        usleep(20000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

// Ends a helper process (a server) and waits for it.
inline void Stop(pid_t pid)
{
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    WaitEnd(pid, 10000);   // kills it when it lingers
}

// A private X server: its display number ("" when it cannot start) and its process.
inline std::string StartXvfb(pid_t* server)
{
    int fd = -1;
    *server = Spawn({"Xvfb", "-displayfd", "{out}", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"}, {}, &fd,
                    "/dev/null");
    if (*server < 0) return std::string();
    std::string display = ReadLine(fd, 20000);
    close(fd);
    if (display.empty()) Stop(*server);
    return display;
}

} // namespace DesktopChild
