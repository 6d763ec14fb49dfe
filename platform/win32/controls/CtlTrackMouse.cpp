// Mouse tracking on the window layer's cursor: a timer per tracked window checks where the
// pointer is. Hover needs it to rest inside for the hover time; leave fires once it is out.
#include "win32/controls/CommCtrl.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Timer.h"
#include "win32/windowing/Window.h"

#include <map>
#include <mutex>

namespace {

constexpr UINT_PTR kHoverTimer = 0x7E51;
constexpr UINT_PTR kLeaveTimer = 0x7E52;
constexpr UINT kLeavePoll = 50;
constexpr UINT kDefaultHover = 400;

struct Request {
    DWORD flags = 0;
    DWORD hoverTime = kDefaultHover;
    POINT restingAt{};
};

std::mutex gLock;
std::map<HWND, Request> gRequests;

bool Inside(HWND hwnd, POINT& client)
{
    POINT p{};
    GetCursorPos(&p);
    RECT r{};
    GetWindowRect(hwnd, &r);
    if (p.x < r.left || p.x >= r.right || p.y < r.top || p.y >= r.bottom) return false;
    client = p;
    ScreenToClient(hwnd, &client);
    return true;
}

void Stop(HWND hwnd, DWORD flags)
{
    std::lock_guard guard(gLock);
    auto it = gRequests.find(hwnd);
    if (it == gRequests.end()) return;
    it->second.flags &= ~flags;
    if (flags & TME_HOVER) KillTimer(hwnd, kHoverTimer);
    if (flags & TME_LEAVE) KillTimer(hwnd, kLeaveTimer);
    if (!(it->second.flags & (TME_HOVER | TME_LEAVE))) gRequests.erase(it);
}

void HoverTick(HWND hwnd, UINT, UINT_PTR, DWORD)
{
    POINT at{};
    bool inside = IsWindow(hwnd) && Inside(hwnd, at);
    Stop(hwnd, TME_HOVER);
    if (inside) PostMessageA(hwnd, WM_MOUSEHOVER, 0, MAKELPARAM(at.x, at.y));
}

void LeaveTick(HWND hwnd, UINT, UINT_PTR, DWORD)
{
    POINT at{};
    if (IsWindow(hwnd) && Inside(hwnd, at)) return;
    Stop(hwnd, TME_LEAVE);
    if (IsWindow(hwnd)) PostMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
}

} // namespace

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT request)
{
    if (!request || request->cbSize < sizeof(TRACKMOUSEEVENT)) return FALSE;
    HWND hwnd = request->hwndTrack;
    if (request->dwFlags & TME_QUERY) {
        std::lock_guard guard(gLock);
        auto it = gRequests.find(hwnd);
        request->dwFlags = it == gRequests.end() ? 0 : it->second.flags;
        request->dwHoverTime = it == gRequests.end() ? 0 : it->second.hoverTime;
        return TRUE;
    }
    if (!IsWindow(hwnd)) return FALSE;
    DWORD kinds = request->dwFlags & (TME_HOVER | TME_LEAVE);
    if (request->dwFlags & TME_CANCEL) {
        Stop(hwnd, kinds);
        return TRUE;
    }
    POINT at{};
    if (!Inside(hwnd, at)) {
        // Asking to hear of leaving a window the pointer is not on answers at once.
        if (kinds & TME_LEAVE) PostMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    std::lock_guard guard(gLock);
    Request& r = gRequests[hwnd];
    r.flags |= kinds;
    if (kinds & TME_HOVER) {
        r.hoverTime = request->dwHoverTime == HOVER_DEFAULT ? kDefaultHover : request->dwHoverTime;
        SetTimer(hwnd, kHoverTimer, r.hoverTime, HoverTick);
    }
    if (kinds & TME_LEAVE) SetTimer(hwnd, kLeaveTimer, kLeavePoll, LeaveTick);
    return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT request)
{
    return TrackMouseEvent(request);
}
