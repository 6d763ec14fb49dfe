#pragma once
// The class library's device context; deletes the DC it created unless detached.
#include "afx/CObject.h"
#include "afx/CPoint.h"
#include "afx/CSize.h"

class CBitmap;
class CBrush;
class CFont;
class CGdiObject;
class CPen;
class CRgn;
class CString;
class CWnd;
struct TEXTMETRICA;

class CDC : public CObject {
public:
    CDC() = default;
    CDC(const CDC&) : CObject() {}  // a copy holds no DC
    CDC& operator=(const CDC&) { return *this; }
    ~CDC() override;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC* FromHandle(HDC dc);
    CWnd* GetWindow() const;

    BOOL CreateCompatibleDC(CDC* dc);
    BOOL CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const void* init);
    BOOL DeleteDC();
    BOOL Attach(HDC dc);
    HDC Detach();
    int SaveDC();
    BOOL RestoreDC(int saved);
    int GetDeviceCaps(int index) const;

    CGdiObject* SelectStockObject(int index);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    int SelectObject(CRgn* region);
    HGDIOBJ SelectObject(HGDIOBJ object);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetROP2(int mode);
    int SetStretchBltMode(int mode);
    UINT SetTextAlign(UINT align);
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    CPoint GetViewportOrg() const;
    CPoint OffsetViewportOrg(int dx, int dy);

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL Polyline(const POINT* points, int count);
    BOOL Polygon(const POINT* points, int count);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect);
    BOOL RoundRect(int left, int top, int right, int bottom, int width, int height);
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(LPCRECT rect);

    void FillRect(LPCRECT rect, CBrush* brush);
    // Fills with a colour through the background colour, which it leaves set, as the library does.
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush);
    void InvertRect(LPCRECT rect);
    void DrawFocusRect(LPCRECT rect);
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
    BOOL FillRgn(CRgn* region, CBrush* brush);
    BOOL FrameRgn(CRgn* region, CBrush* brush, int width, int height);
    BOOL PaintRgn(CRgn* region);
    BOOL InvertRgn(CRgn* region);
    BOOL DrawIcon(int x, int y, HICON icon);
    BOOL DrawIcon(POINT point, HICON icon);

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;

    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const INT* dx);
    int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const;
    int GetTextFace(int size, LPTSTR name) const;

    int SelectClipRgn(CRgn* region);
    int SelectClipRgn(CRgn* region, int mode);
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(LPCRECT rect);
    int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(LPCRECT rect);
    int GetClipBox(LPRECT rect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(LPCRECT rect) const;

    void SetTemporaryHandle(HDC dc) { m_hDC = m_hAttribDC = dc; m_temporary = true; }

protected:
    bool m_temporary = false;
};

// Frees the temporary wrappers made by CDC::FromHandle (at idle time).
void MvDeleteTempDcs();
