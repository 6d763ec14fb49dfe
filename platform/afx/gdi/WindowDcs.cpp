// The window DC classes: client, whole window and painting.
#include "afx/gdi/CClientDC.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/gdi/CWindowDC.h"
#include "afx/windows/CWnd.h"

namespace {
HWND HandleOf(CWnd* window) { return window ? window->m_hWnd : nullptr; }
} // namespace

CWindowDC::CWindowDC(CWnd* window) : CWindowDC(window, false) {}
CWindowDC::CWindowDC(CWnd* window, bool client) : m_hWnd(HandleOf(window))
{
    Attach(client ? ::GetDC(m_hWnd) : ::GetWindowDC(m_hWnd));
}
CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(HandleOf(window)) { Attach(::BeginPaint(m_hWnd, &m_ps)); }
CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}
