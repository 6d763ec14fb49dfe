#pragma once
#include "afx/gdi/CGdiObject.h"

class CDC;
struct BITMAP;

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP bitmap);
    // From the application's resources.
    BOOL LoadBitmap(UINT id);
    BOOL LoadBitmap(LPCTSTR name);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateBitmapIndirect(const BITMAP* bitmap);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* bitmap) const;
    DWORD GetBitmapBits(DWORD size, void* bits) const;
    DWORD SetBitmapBits(DWORD size, const void* bits);
};
