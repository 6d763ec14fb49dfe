#include "win32/windowing/Shell.h"

#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/UserState.h"
#include "win32/windowing/Window.h"
#include "win32/windowing/WindowObserver.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

using mvuser::Guard;
using mvuser::Lock;

namespace {

struct State {
    MvShellOpenHandler handler;
    std::vector<std::string> opened;
    std::vector<MvTrayIcon> tray;
};

State& S()
{
    static State* state = new State;
    return *state;
}

HINSTANCE Code(intptr_t value)
{
    return reinterpret_cast<HINSTANCE>(value);
}

bool IsExecutableFile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH));
}

bool Spawn(const std::string& target)
{
    std::string program = "xdg-open";
    char* argv[] = {program.data(), const_cast<char*>(target.c_str()), nullptr};
    pid_t pid;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) != 0) return false;
    // Reap it without making the caller wait for the viewer.
    std::thread([pid] {
        int status;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

} // namespace

HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR directory, int)
{
    if (!file || !*file) return Code(SE_ERR_FNF);
    if (verb && *verb && strcasecmp(verb, "open") != 0 && strcasecmp(verb, "explore") != 0) return Code(SE_ERR_NOASSOC);
    std::string target = file;
    if (directory && *directory && target[0] != '/' && target.find("://") == std::string::npos &&
        target.rfind("mailto:", 0) != 0)
        target = std::string(directory) + "/" + target;
    // A program (a downloaded installer, say) is never started from here.
    if (target.find("://") == std::string::npos && IsExecutableFile(target)) return Code(SE_ERR_ACCESSDENIED);
    MvShellOpenHandler handler;
    {
        Guard guard(Lock());
        S().opened.push_back(target);
        handler = S().handler;
    }
    bool ok = handler ? handler(target) : Spawn(target);
    return Code(ok ? 42 : SE_ERR_FNF);
}

void MvSetShellOpenHandler(MvShellOpenHandler handler)
{
    Guard guard(Lock());
    S().handler = std::move(handler);
}

std::vector<std::string> MvTakeShellOpens()
{
    Guard guard(Lock());
    std::vector<std::string> out;
    out.swap(S().opened);
    return out;
}

namespace {
// An icon does not outlive the window it reports to.
struct ForgetTrayOfDestroyed : IMvWindowObserver {
    ForgetTrayOfDestroyed() { MvAddWindowObserver(this); }
    void OnWindowEvent(HWND hwnd, MvWindowEvent event) override
    {
        if (event != MvWindowEvent::Destroyed) return;
        Guard guard(Lock());
        auto& tray = S().tray;
        tray.erase(std::remove_if(tray.begin(), tray.end(), [&](const MvTrayIcon& i) { return i.owner == hwnd; }), tray.end());
    }
};
ForgetTrayOfDestroyed gForgetTray;
} // namespace

BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATAA data)
{
    if (!data || !IsWindow(data->hWnd)) return FALSE;
    {
        Guard guard(Lock());
        auto& tray = S().tray;
        auto it = std::find_if(tray.begin(), tray.end(),
                               [&](const MvTrayIcon& i) { return i.owner == data->hWnd && i.id == data->uID; });
        switch (message) {
        case NIM_ADD:
            if (it != tray.end()) return FALSE;
            tray.push_back(MvTrayIcon{data->hWnd, data->uID, 0, nullptr, {}});
            it = tray.end() - 1;
            break;
        case NIM_MODIFY:
            if (it == tray.end()) return FALSE;
            break;
        case NIM_DELETE:
            if (it == tray.end()) return FALSE;
            tray.erase(it);
            it = tray.end();
            break;
        default:
            return FALSE;
        }
        if (it != tray.end()) {
            if (data->uFlags & NIF_MESSAGE) it->callbackMessage = data->uCallbackMessage;
            if (data->uFlags & NIF_ICON) it->icon = data->hIcon;
            if (data->uFlags & NIF_TIP) it->tip.assign(data->szTip, strnlen(data->szTip, sizeof data->szTip));
        }
    }
    MvNotifyWindowObservers(data->hWnd, MvWindowEvent::ControlState);
    return TRUE;
}

std::vector<MvTrayIcon> MvTrayIcons()
{
    Guard guard(Lock());
    return S().tray;
}

BOOL MvClickTrayIcon(HWND owner, UINT id, UINT mouseMessage)
{
    UINT callback = 0;
    {
        Guard guard(Lock());
        for (const auto& icon : S().tray)
            if (icon.owner == owner && icon.id == id) callback = icon.callbackMessage;
    }
    return callback ? PostMessageA(owner, callback, id, static_cast<LPARAM>(mouseMessage)) : FALSE;
}

namespace {
struct Drop {
    std::vector<std::string> paths;
    POINT point;
};
std::map<uintptr_t, Drop>& Drops()
{
    static auto* drops = new std::map<uintptr_t, Drop>;
    return *drops;
}
uintptr_t gNextDrop = 1;
} // namespace

void DragAcceptFiles(HWND hwnd, BOOL accept)
{
    LONG ex = GetWindowLongA(hwnd, GWL_EXSTYLE);
    SetWindowLongA(hwnd, GWL_EXSTYLE, accept ? (ex | WS_EX_ACCEPTFILES) : (ex & ~WS_EX_ACCEPTFILES));
}

UINT DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT size)
{
    Guard guard(Lock());
    auto it = Drops().find(reinterpret_cast<uintptr_t>(drop));
    if (it == Drops().end()) return 0;
    const auto& paths = it->second.paths;
    if (index == 0xFFFFFFFF) return static_cast<UINT>(paths.size());
    if (index >= paths.size()) return 0;
    const std::string& path = paths[index];
    if (!buffer || size == 0) return static_cast<UINT>(path.size());
    size_t n = std::min<size_t>(path.size(), size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = 0;
    return static_cast<UINT>(n);
}

BOOL DragQueryPoint(HDROP drop, LPPOINT point)
{
    Guard guard(Lock());
    auto it = Drops().find(reinterpret_cast<uintptr_t>(drop));
    if (it == Drops().end() || !point) return FALSE;
    *point = it->second.point;
    return TRUE;
}

void DragFinish(HDROP drop)
{
    Guard guard(Lock());
    Drops().erase(reinterpret_cast<uintptr_t>(drop));
}

BOOL MvDropFiles(HWND hwnd, const std::vector<std::string>& paths, POINT point)
{
    HWND target = hwnd;
    while (target && !(GetWindowLongA(target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES)) {
        POINT p = point;
        ClientToScreen(target, &p);
        HWND parent = GetAncestor(target, GA_PARENT);
        if (parent) ScreenToClient(parent, &p);
        point = p;
        target = parent;
    }
    if (!target || paths.empty()) return FALSE;
    uintptr_t key;
    {
        Guard guard(Lock());
        key = gNextDrop++ << 4;
        Drops()[key] = Drop{paths, point};
    }
    if (PostMessageA(target, WM_DROPFILES, static_cast<WPARAM>(key), 0)) return TRUE;
    DragFinish(reinterpret_cast<HDROP>(key));
    return FALSE;
}
