#include "CDrawObjectListControl.h"

#include "afx/gdi/CDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

BEGIN_MESSAGE_MAP(CDrawObjectListControl, CObjectListControl)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CDrawObjectListControl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CObjectListControl::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (result)
        *result = TRUE;
    return TRUE;
}

void CDrawObjectListControl::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || !item->hDC)
        return;
    CDC* dc = CDC::FromHandle(item->hDC);
    CRect rect(item->rcItem);
    DrawObject(dc, rect, GetListDisplay(static_cast<int>(item->itemID)));
}

void CDrawObjectListControl::DrawObject(CDC*, const CRect&, CObjectDisplay*)
{
}

void CDrawObjectListControl::OnSize(UINT type, int cx, int cy)
{
    CObjectListControl::OnSize(type, cx, cy);
    AutoResize();
}

void CDrawObjectListControl::AutoResize()
{
    if (!m_hWnd)
        return;
    CRect client;
    GetClientRect(&client);
    SetColumnWidth(0, client.Width() - 4);
}
