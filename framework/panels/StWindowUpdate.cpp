#include "StWindowUpdate.h"

#include "afx/windows/CWinApp.h"
#include "afx/windows/CWnd.h"

StWindowUpdate::StWindowUpdate(CWnd* window)
{
    if (!window) window = AfxGetMainWnd();
    if (!window || !window->m_hWnd) return;
    if (::MvGetLockedWindow() == window->m_hWnd) return;
    if (::LockWindowUpdate(window->m_hWnd)) m_window = window;
}

StWindowUpdate::~StWindowUpdate()
{
    if (m_window) ::LockWindowUpdate(nullptr);
}
