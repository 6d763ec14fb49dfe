#include "CWindowLocator.h"

#include "UWindowsUtils.h"
#include "afx/windows/CWnd.h"

#include <cstdint>

namespace {
// How far an edge moves for a parent that went from reference to current.
int Shift(int current, int reference, unsigned short factor)
{
    auto scaled = [factor](int extent) { return static_cast<int>((int64_t{extent} * factor) >> 8); };
    return scaled(current) - scaled(reference);
}
} // namespace

void CWindowLocator::SetWindow(CWnd* window)
{
    m_window = window;
    if (!window || !window->m_hWnd) return;
    UWindowsUtils::GetInParentRect(window, m_windowRect);
    if (CWnd* parent = window->GetParent()) parent->GetClientRect(&m_parentRect);
}

void CWindowLocator::Move()
{
    if (!m_window || !m_window->m_hWnd || !::IsWindow(m_window->m_hWnd)) return;
    CWnd* parent = m_window->GetParent();
    if (!parent) return;
    CRect now;
    parent->GetClientRect(&now);
    int width = now.Width(), height = now.Height();
    int refWidth = m_parentRect.Width(), refHeight = m_parentRect.Height();
    CRect r(m_windowRect.left + Shift(width, refWidth, m_left), m_windowRect.top + Shift(height, refHeight, m_top),
            m_windowRect.right + Shift(width, refWidth, m_right),
            m_windowRect.bottom + Shift(height, refHeight, m_bottom));
    MoveWindow(r);
}

void CWindowLocator::MoveWindow(CRect& rect)
{
    if (m_window && m_window->m_hWnd) m_window->MoveWindow(&rect, TRUE);
}
