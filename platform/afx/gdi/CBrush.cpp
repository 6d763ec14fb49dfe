#include "afx/gdi/CBrush.h"

#include "afx/gdi/CBitmap.h"
#include "afx/gdi/GdiObjectMaps.h"
#include "win32/gdi/Gdi.h"

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
