#pragma once
// The drop handle a window receives when the user drops paths on it.
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline LRESULT MvDropTargetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DROPFILES) SetPropA(hwnd, "drop", reinterpret_cast<HANDLE>(wParam));
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The caller ends the handle with DragFinish.
inline HDROP MvDropOnWindow(const std::vector<std::string>& paths)
{
    static bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = MvDropTargetProc;
        wc.lpszClassName = "MvConversionDropTarget";
        return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    HWND target = CreateWindowExA(0, "MvConversionDropTarget", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    DragAcceptFiles(target, TRUE);
    EXPECT_TRUE(MvDropFiles(target, paths, POINT{5, 5}));
    MvPumpUntil([&] { return GetPropA(target, "drop") != nullptr; }, 30000);
    auto drop = reinterpret_cast<HDROP>(GetPropA(target, "drop"));
    DestroyWindow(target);
    return drop;
}
