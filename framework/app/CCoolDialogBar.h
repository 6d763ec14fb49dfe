#pragma once
// A resizable control bar that hosts a dialog or a panel: it docks to any side of its
// frame or floats in a small frame, keeps one size for each of those places, and is sized
// by dragging its splitter edge. A gripper (with a close box) starts the docking drag. The
// edge and the gripper are the bar's frame (non-client area); the dialog fills the rest.
#include "afx/windows/CControlBar.h"

class CDialog;
class CPanel;
struct NCCALCSIZE_PARAMS;

class CCoolDialogBar : public CControlBar {
    DECLARE_DYNAMIC(CCoolDialogBar)
public:
    CCoolDialogBar();
    ~CCoolDialogBar() override;

    BOOL Create(CWnd* parent, CDialog* dialog, const char* title, unsigned dialogId, unsigned long style);
    BOOL Create(CWnd* parent, CPanel* panel, const char* title, unsigned long style);

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    int GetBarHeight() const override { return m_sizeHorz.cy; }
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

    CSize GetHorzSize() const { return m_sizeHorz; }
    CSize GetVertSize() const { return m_sizeVert; }
    CSize GetFloatSize() const { return m_sizeFloat; }
    CDialog* GetDialog() const { return m_pDialog; }
    // The parts of the bar in its client coordinates (the frame's lie outside the client
    // area), as laid out for where it is.
    CRect GetEdgeRect() const;
    CRect GetGripperRect() const;
    CRect GetCloseRect() const;
    CRect GetDialogRect() const;

    static constexpr int kEdge = 6;
    static constexpr int kGripperGap = 3;
    static constexpr int kGripper = 20;

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT hit, CPoint point);
    void OnNcLButtonDblClk(UINT hit, CPoint point);
    void OnNcRButtonDown(UINT hit, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    bool IsHorz() const;
    // The side of the bar that faces the frame's centre.
    UINT DockSide() const;
    // The widths of the frame (left, top, right, bottom) for where the bar is.
    CRect FrameWidths() const;
    // A part in window coordinates, and the same in client coordinates.
    CRect EdgeInWindow() const;
    CRect GripperInWindow() const;
    CRect CloseInWindow() const;
    CRect ToClient(CRect windowRect) const;
    void StartTracking(CPoint screen);
    void StopTracking(bool apply);
    // Draws (and, drawn again, removes) the half-tone bar across the frame.
    void InvertTracker();

    COLORREF m_clrBtnHilight;
    COLORREF m_clrBtnShadow;
    CSize m_sizeMin{32, 32};
    CSize m_sizeHorz{200, 200};
    CSize m_sizeVert{200, 200};
    CSize m_sizeFloat{200, 200};
    bool m_bTracking = false;
    bool m_bInRecalcNC = false;
    UINT m_nDockBarID = 0;
    CRect m_rectTracker;
    CPoint m_ptOld;
    int m_cxEdge = kEdge;
    int m_cxGripperGap = kGripperGap;
    int m_cxGripper = kGripper;
    CDialog* m_pDialog = nullptr;
    HBRUSH m_brushBkgd = nullptr;
    int m_cCaptionSize;
    int m_cMinWidth;
    int m_cMinHeight;
    CRect m_rectClose;
    CRect m_rectGripper;
    CRect m_rectEdge;
};
