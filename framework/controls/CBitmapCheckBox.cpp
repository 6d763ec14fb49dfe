#include "CBitmapCheckBox.h"

#include "UDrawingUtils.h"
#include "afx/gdi/CDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"
#include "win32/gdi/Gdi.h"

BEGIN_MESSAGE_MAP(CBitmapCheckBox, CBitmapButton)
    ON_WM_LBUTTONUP()
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
END_MESSAGE_MAP()

BOOL CBitmapCheckBox::LoadCheckedBitmap(LPCTSTR name)
{
    m_bitmapChecked.DeleteObject();
    return m_bitmapChecked.LoadBitmap(name);
}

BOOL CBitmapCheckBox::LoadCheckedBitmap(UINT id)
{
    m_bitmapChecked.DeleteObject();
    return m_bitmapChecked.LoadBitmap(id);
}

void CBitmapCheckBox::SetCheck(int checked)
{
    m_check = checked;
    UDrawingUtils::Refresh(this);
}

BOOL CBitmapCheckBox::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= BS_OWNERDRAW;
    return CBitmapButton::PreCreateWindow(cs);
}

void CBitmapCheckBox::OnLButtonUp(UINT flags, CPoint point)
{
    m_check = !m_check;
    CBitmapButton::OnLButtonUp(flags, point);
}

LRESULT CBitmapCheckBox::OnGetCheck(WPARAM, LPARAM)
{
    return m_check ? BST_CHECKED : BST_UNCHECKED;
}

void CBitmapCheckBox::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || !item->hDC) return;
    CBitmap* bitmap = nullptr;
    if (m_check && m_bitmapChecked.GetSafeHandle())
        bitmap = &m_bitmapChecked;
    else if (m_bitmap.GetSafeHandle())
        bitmap = &m_bitmap;
    if ((item->itemState & ODS_SELECTED) && m_bitmapSel.GetSafeHandle())
        bitmap = &m_bitmapSel;
    else if (!bitmap && (item->itemState & ODS_FOCUS) && m_bitmapFocus.GetSafeHandle())
        bitmap = &m_bitmapFocus;
    else if (!bitmap && (item->itemState & ODS_DISABLED) && m_bitmapDisabled.GetSafeHandle())
        bitmap = &m_bitmapDisabled;
    if (!bitmap) return;

    CDC* dc = CDC::FromHandle(item->hDC);
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) return;
    CBitmap* old = memory.SelectObject(bitmap);
    const RECT& r = item->rcItem;
    dc->BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}
