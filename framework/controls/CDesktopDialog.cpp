#include "CDesktopDialog.h"
#include "StSelectCursor.h"
#include "UDialogTemplates.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Gdi.h"

#include <algorithm>

namespace {
constexpr UINT kTemplate = 10002;

MvDialogTemplate MakeTemplate()
{
    MvDialogTemplate t = UDialogTemplates::Make("", 200, 150, {});
    t.style = WS_POPUP;
    return t;
}

// A rectangle side inside 0..limit, as the unsigned 16-bit fields hold it.
unsigned short Clamp(LONG value, LONG limit) { return static_cast<unsigned short>(std::clamp<LONG>(value, 0, limit)); }
} // namespace

BEGIN_MESSAGE_MAP(CDesktopDialog, CDialog)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CDesktopDialog::CDesktopDialog(CWnd* parent) : CDialog(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
}

CDesktopDialog::~CDesktopDialog() = default;

BOOL CDesktopDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_capture.SetWantCursor(false);
    m_capture.SetCapture(kCaptureScreen);
    m_capture.Capture();
    m_width = m_capture.GetScreenWidth();
    m_height = m_capture.GetScreenHeight();
    MoveWindow(0, 0, m_width, m_height);
    StartTracking();
    m_cursor = std::make_unique<StSelectCursor>();
    return TRUE;
}

void CDesktopDialog::OnPaint()
{
    CPaintDC dc(this);
    HDC snapshot = m_capture.GetDc();
    if (snapshot) ::BitBlt(dc.GetSafeHdc(), 0, 0, m_width, m_height, snapshot, 0, 0, SRCCOPY);
}

// The snapshot covers everything: erasing first would only flicker.
BOOL CDesktopDialog::OnEraseBkgnd(CDC*) { return TRUE; }

void CDesktopDialog::OnLButtonDown(UINT, CPoint point) { m_drag.Press(m_hWnd, CScreenDrag::ToScreen(m_hWnd, point)); }

void CDesktopDialog::OnMouseMove(UINT, CPoint point) { m_drag.Drag(CScreenDrag::ToScreen(m_hWnd, point)); }

void CDesktopDialog::OnLButtonUp(UINT, CPoint point)
{
    RECT rect;
    if (m_drag.Release(CScreenDrag::ToScreen(m_hWnd, point), rect)) {
        // Kept on the screen: the capture lets the pointer leave it.
        LONG screenWidth = m_capture.GetScreenWidth(), screenHeight = m_capture.GetScreenHeight();
        m_x = Clamp(rect.left, screenWidth);
        m_y = Clamp(rect.top, screenHeight);
        m_width = static_cast<unsigned short>(Clamp(rect.right, screenWidth) - m_x);
        m_height = static_cast<unsigned short>(Clamp(rect.bottom, screenHeight) - m_y);
    }
    m_cursor.reset();
    EndDialog(IDOK);
}
