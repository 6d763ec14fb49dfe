#pragma once
// A stacked dialog as a test script sees it: its pages by caption, and its title.
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"
#include "afx/windows/CWnd.h"

#include <string>

// The page under that caption of the stacked dialog whose window is given; null when none.
inline HWND StackPageOf(HWND dialog, const char* title)
{
    auto* stack = static_cast<CStackExportDialog*>(CWnd::FromHandle(dialog));
    CStackPanelInfo* info = stack->GetStack().Find(title);
    return info && info->GetChildCount() ? info->GetChild(0)->m_hWnd : nullptr;
}

inline std::string WindowTitleOf(HWND window)
{
    char text[128] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}
