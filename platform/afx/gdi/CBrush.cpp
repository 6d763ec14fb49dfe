#include "afx/CBrush.h"

#include "afx/CBitmap.h"
#include "afx/GdiObjectMaps.h"
#include "win32/Gdi.h"

CBrush::CBrush(COLORREF color) { CreateSolidBrush(color); }
CBrush* CBrush::FromHandle(HBRUSH brush) { return FromHandleAs<CBrush>(brush); }
BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

BOOL CBrush::CreatePatternBrush(CBitmap* bitmap)
{
    return bitmap ? Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject))) : FALSE;
}

BOOL CBrush::CreateSysColorBrush(int index)
{
    // A brush of its own in the colour, so that deleting it is harmless.
    return Attach(::CreateSolidBrush(::GetSysColor(index)));
}
