#include "afx/controls/CBitmapButton.h"
#include "afx/gdi/CDC.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

namespace {

void Load(CBitmap& bitmap, LPCTSTR name)
{
    bitmap.DeleteObject();
    if (name) bitmap.LoadBitmap(name);
}

LPCTSTR Name(UINT id)
{
    return id ? MAKEINTRESOURCE(id) : nullptr;
}

} // namespace

BOOL CBitmapButton::LoadBitmaps(UINT up, UINT down, UINT focus, UINT disabled)
{
    return LoadBitmaps(Name(up), Name(down), Name(focus), Name(disabled));
}

BOOL CBitmapButton::LoadBitmaps(LPCTSTR up, LPCTSTR down, LPCTSTR focus, LPCTSTR disabled)
{
    Load(m_bitmap, up);
    Load(m_bitmapSel, down);
    Load(m_bitmapFocus, focus);
    Load(m_bitmapDisabled, disabled);
    return m_bitmap.GetSafeHandle() ? TRUE : FALSE;
}

void CBitmapButton::SizeToContent()
{
    BITMAP info{};
    if (!m_bitmap.GetSafeHandle() || !m_bitmap.GetBitmap(&info)) return;
    SetWindowPos(nullptr, 0, 0, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item) return;
    CBitmap* bitmap = &m_bitmap;
    if ((item->itemState & ODS_SELECTED) && m_bitmapSel.GetSafeHandle())
        bitmap = &m_bitmapSel;
    else if ((item->itemState & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle())
        bitmap = &m_bitmapFocus;
    else if ((item->itemState & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle())
        bitmap = &m_bitmapDisabled;
    if (!bitmap->GetSafeHandle() || !item->hDC) return;
    CDC* target = CDC::FromHandle(item->hDC);
    CDC memory;
    if (!memory.CreateCompatibleDC(target)) return;
    CBitmap* old = memory.SelectObject(bitmap);
    const RECT& r = item->rcItem;
    target->BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}
