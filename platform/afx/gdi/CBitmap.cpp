#include "afx/gdi/CBitmap.h"

#include "afx/gdi/CDC.h"
#include "afx/windows/CWinApp.h"
#include "afx/gdi/GdiObjectMaps.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return FromHandleAs<CBitmap>(bitmap); }
BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCEA(id)); }
BOOL CBitmap::LoadBitmap(LPCTSTR name) { return Attach(::LoadBitmapA(AfxGetResourceHandle(), name)); }

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* bitmap) { return Attach(::CreateBitmapIndirect(bitmap)); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return dc ? Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height)) : FALSE;
}

int CBitmap::GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof(BITMAP), bitmap); }

DWORD CBitmap::GetBitmapBits(DWORD size, void* bits) const
{
    return static_cast<DWORD>(::GetBitmapBits(*this, static_cast<LONG>(size), bits));
}

DWORD CBitmap::SetBitmapBits(DWORD size, const void* bits)
{
    return static_cast<DWORD>(::SetBitmapBits(*this, size, bits));
}
