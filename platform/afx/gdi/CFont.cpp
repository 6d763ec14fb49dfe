#include "afx/gdi/CFont.h"

#include "afx/gdi/CDC.h"
#include "afx/gdi/GdiObjectMaps.h"
#include "win32/gdi/Gdi.h"

#include <cstring>

CFont* CFont::FromHandle(HFONT font) { return FromHandleAs<CFont>(font); }
BOOL CFont::CreateFontIndirect(const LOGFONTA* font) { return Attach(::CreateFontIndirectA(font)); }

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName)
{
    return Attach(::CreateFontA(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                                outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc)
{
    int dpi = dc && dc->m_hDC ? dc->GetDeviceCaps(LOGPIXELSY) : 96;
    LOGFONTA font{};
    font.lfHeight = -((pointSize * dpi + 360) / 720);
    font.lfWeight = FW_NORMAL;
    if (faceName) std::strncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONTA* font) const { return GetObject(sizeof(LOGFONTA), font); }
