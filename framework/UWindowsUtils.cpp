#include "UWindowsUtils.h"

#include "CIniProfile.h"
#include "CPanel.h"
#include "CRegistry.h"
#include "UDirectoryUtils.h"
#include "afx/controls/CButton.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CtlMessages.h"
#include "win32/settings/SettingsBatch.h"
#include "win32/windowing/WindowPlacement.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool HasWindow(CWnd* window) { return window && window->GetSafeHwnd(); }

void MoveTo(CWnd* window, const RECT& r) { window->MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE); }

// Only a window shown normally or restored has a place worth keeping.
bool HasNormalPlace(CWnd* window)
{
    if (!HasWindow(window)) return false;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window->GetSafeHwnd(), &placement)) return false;
    return placement.showCmd == SW_SHOWNORMAL || placement.showCmd == SW_RESTORE;
}

// Each key of the place, in section "Window" of "window.ini".
class CWindowPlace {
public:
    CWindowPlace()
    {
        std::string folder = UDirectoryUtils::GetUserAppDataDirectory();
        UDirectoryUtils::CreateDirectoryIfNotExist(folder.c_str());
        m_profile.SetIniFile((folder + "window.ini").c_str());
    }
    int Get(const char* key) { return int(CRegistry("Window", key, &m_profile).GetValue(0)); }
    void Set(const char* key, LONG value) { CRegistry("Window", key, &m_profile).SetValue(DWORD(value)); }

private:
    CIniProfile m_profile;
};

} // namespace

bool UWindowsUtils::GetInParentRect(CWnd* window, RECT& rect)
{
    if (!window) return false;
    rect = {};
    window->GetWindowRect(&rect);
    if (CWnd* parent = window->GetParent(); parent && (window->GetStyle() & WS_CHILD)) parent->ScreenToClient(&rect);
    return true;
}

bool UWindowsUtils::AlignWindow(CWnd* reference, CWnd* window, int how)
{
    if (!reference || !window) return false;
    RECT ref{}, r{};
    GetInParentRect(reference, ref);
    GetInParentRect(window, r);
    LONG dx = 0, dy = 0;
    switch (how) {
    case kAlignLeft: dx = ref.left - r.left; break;
    case kAlignRight: dx = ref.right - r.right; break;
    case kAlignTop: dy = ref.top - r.top; break;
    case kAlignBottom: dy = ref.bottom - r.bottom; break;
    default: break;
    }
    RECT moved{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    MoveTo(window, moved);
    window->Invalidate();
    return true;
}

void UWindowsUtils::Overlap(CWnd* window, CWnd* reference)
{
    if (!window || !reference) return;
    RECT ref{};
    GetInParentRect(reference, ref);
    MoveTo(window, ref);
    window->Invalidate();
}

void UWindowsUtils::ReplaceWindow(CWnd* window, CWnd* reference)
{
    if (!window || !reference) return;
    Overlap(window, reference);
    ShowWindow(window, true);
    ShowWindow(reference, false);
}

void UWindowsUtils::MoveVertical(CWnd* window, int dy)
{
    if (!window) return;
    RECT r{};
    GetInParentRect(window, r);
    r.top += dy;
    r.bottom += dy;
    MoveTo(window, r);
}

void UWindowsUtils::ShowWindow(CWnd* window, bool show)
{
    if (HasWindow(window)) window->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void UWindowsUtils::EnableWindow(CWnd* window, bool enable)
{
    if (HasWindow(window)) window->EnableWindow(enable);
}

void UWindowsUtils::SetCheck(CButton* button, bool checked)
{
    if (HasWindow(button)) button->SetCheck(checked ? BST_CHECKED : BST_UNCHECKED);
}

bool UWindowsUtils::GetCheck(CButton* button)
{
    return HasWindow(button) && button->GetCheck() != BST_UNCHECKED;
}

void UWindowsUtils::EnablePanel(CPanel* panel, bool enable)
{
    if (panel) panel->SetEnable(enable);
}

void UWindowsUtils::SetWindowTextA(CWnd* window, const char* text)
{
    if (!window) return;
    CString current;
    window->GetWindowText(current);
    if (std::strcmp(current, text ? text : "") != 0) window->SetWindowText(text ? text : "");
}

void UWindowsUtils::SetWindowTextA(CWnd* window, int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", number);
    SetWindowTextA(window, text);
}

void UWindowsUtils::Refresh(CWnd* window)
{
    if (window) window->Invalidate(TRUE);
}

void UWindowsUtils::StoreLocation(CWnd* window)
{
    if (!HasNormalPlace(window)) return;
    RECT r{};
    window->GetWindowRect(&r);
    CWindowPlace place;
    // The four values land together or not at all.
    MvSettingsBatch batch;
    place.Set("Left", r.left);
    place.Set("Top", r.top);
    place.Set("Width", r.right - r.left);
    place.Set("Height", r.bottom - r.top);
}

void UWindowsUtils::PlaceWindow(CWnd* window, bool resize)
{
    if (!HasNormalPlace(window)) return;
    CWindowPlace place;
    int left = place.Get("Left");
    int top = place.Get("Top");
    if (left == 0 && top == 0) return;
    RECT r{};
    window->GetWindowRect(&r);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    if (resize) {
        int storedWidth = place.Get("Width");
        int storedHeight = place.Get("Height");
        if (storedWidth == 0 && storedHeight == 0) return;
        width = storedWidth;
        height = storedHeight;
    }
    window->MoveWindow(left, top, width, height, TRUE);
}
