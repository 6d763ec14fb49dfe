#include "CDrawComboBox.h"

#include "win32/gdi/Gdi.h"

BOOL CDrawComboBox::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_VSCROLL | CBS_OWNERDRAWFIXED;
    return CComboBox::PreCreateWindow(cs);
}

void CDrawComboBox::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || !item->hDC) return;
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    HBRUSH brush = CreateSolidBrush(selected ? RGB(0, 0, 128) : RGB(255, 255, 255));
    ::FillRect(item->hDC, &item->rcItem, brush);
    DeleteObject(brush);
    ::SetTextColor(item->hDC, selected ? RGB(255, 255, 255) : RGB(0, 0, 0));
}
