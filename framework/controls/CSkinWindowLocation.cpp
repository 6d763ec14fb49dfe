#include "CSkinWindowLocation.h"

#include "UWindowsUtils.h"
#include "afx/windows/CWnd.h"

CSkinWindowLocation::CSkinWindowLocation(const char* name, CWnd* window) : CSkinLocation(name), m_window(window) {}

void CSkinWindowLocation::SetWindow(CWnd* window)
{
    m_window = window;
    GetWindowInfo();
}

void CSkinWindowLocation::GetWindowInfo()
{
    if (!m_window || !m_window->GetSafeHwnd()) return;
    RECT rect{};
    UWindowsUtils::GetInParentRect(m_window, rect);
    SetLeft(static_cast<ULONG>(rect.left));
    SetTop(static_cast<ULONG>(rect.top));
    SetWidth(static_cast<ULONG>(rect.right - rect.left));
    SetHeight(static_cast<ULONG>(rect.bottom - rect.top));
}

bool CSkinWindowLocation::Load()
{
    if (!m_window || !CSkinLocation::Load()) return false;
    if (m_window->GetSafeHwnd())
        m_window->MoveWindow(static_cast<int>(GetLeft()), static_cast<int>(GetTop()), static_cast<int>(GetWidth()),
                             static_cast<int>(GetHeight()), TRUE);
    return true;
}
