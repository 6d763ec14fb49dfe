#include "CSkinButton.h"

#include "win32/controls/CtlMessages.h"
#include "win32/gdi/Paint.h"

CSkinButton::CSkinButton() { SetFrameCount(4); }

BOOL CSkinButton::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

void CSkinButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
}

void CSkinButton::LoadImageA(CBitmap& bitmap)
{
    CSkinObject::LoadImageA(bitmap);
    if (!GetSafeHwnd() || !GetRegion().GetSafeHandle()) return;
    // The window owns the region it is given: hand it a copy.
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    shape.CopyRgn(&GetRegion());
    SetWindowRgn(GetSafeHwnd(), static_cast<HRGN>(shape.Detach()), TRUE);
}

int CSkinButton::GetDrawIndex(bool selected, bool, bool disabled) const
{
    if (selected) return kPressedFrame;
    CWnd* capture = CWnd::GetCapture();
    if (capture && GetSafeHwnd() && capture->GetSafeHwnd() == GetSafeHwnd()) return kHeldFrame;
    if (disabled) return kDisabledFrame;
    return kNormalFrame;
}

void CSkinButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (!item || !item->hDC || !Load()) return;
    const int index = GetDrawIndex((item->itemState & ODS_SELECTED) != 0, (item->itemState & ODS_FOCUS) != 0,
                                   (item->itemState & ODS_DISABLED) != 0);
    TransparentBitBlt(CDC::FromHandle(item->hDC), 0, 0, GetWidth(), GetHeight(), &GetMemoryDc(), index * GetWidth(),
                      0);
}
