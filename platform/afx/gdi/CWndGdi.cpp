// The drawing members of CWnd, defined beside the class library's GDI classes.
#include "afx/gdi/CDC.h"
#include "afx/gdi/CFont.h"
#include "afx/windows/CWnd.h"
#include "win32/gdi/Paint.h"

CDC* CWnd::GetDC() { return m_hWnd ? CDC::FromHandle(::GetDC(m_hWnd)) : nullptr; }

CDC* CWnd::GetWindowDC() { return m_hWnd ? CDC::FromHandle(::GetWindowDC(m_hWnd)) : nullptr; }

int CWnd::ReleaseDC(CDC* dc) { return dc ? ::ReleaseDC(m_hWnd, dc->GetSafeHdc()) : 0; }

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->GetSafeHandle() : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return font ? CFont::FromHandle(font) : nullptr;
}
