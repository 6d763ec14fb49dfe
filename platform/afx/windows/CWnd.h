#pragma once
// The class library's window: a CCmdTarget bound to a window handle. Messages reach
// it through its message map; what it does not handle goes to the window's own
// procedure (for a subclassed control, the control's model).
#include "afx/windows/CCmdTarget.h"
#include "afx/CPoint.h"
#include "afx/CRect.h"
#include "afx/CString.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

class CDataExchange;
class CDC;
class CFont;
class CMenu;
class CScrollBar;

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd() = default;
    // A copy is a new object without a window.
    CWnd(const CWnd&) : CCmdTarget() {}
    CWnd& operator=(const CWnd&) { return *this; }
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool operator==(const CWnd& other) const { return m_hWnd == other.m_hWnd; }

    // The z-order places of SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        void* context = nullptr);
    virtual BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                          CWnd* parent, UINT id, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void DoDataExchange(CDataExchange* dx);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int result);
    // Pumps this thread's messages until EndModalLoop (the caller sets m_modal
    // first) or the window is gone; the answer is EndModalLoop's result.
    int RunModalLoop();
    // Offers msg to PreTranslateMessage of its window and each parent up to stop.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

    // Offers a child's notification back to the child's own map (reflection).
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static BOOL ReflectLastMsg(HWND child, LRESULT* result = nullptr);
    // The message being handled on this thread, for Default().
    static const MSG* GetCurrentMessage();
    LRESULT Default();

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int max) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;

    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* parent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    CWnd* GetTopLevelParent() const;
    CWnd* GetWindow(UINT relation) const;
    CWnd* GetDlgItem(int id) const;
    // The first window below this one (at any depth) with control id.
    CWnd* GetDescendantWindow(int id, BOOL onlyPermanent = FALSE) const;
    // Asks target's update handlers about every child control with a command id.
    void UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler);
    void GetDlgItem(int id, HWND* out) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    BOOL IsChild(const CWnd* other) const;
    static CWnd* GetFocus();
    static CWnd* GetCapture();
    static CWnd* GetActiveWindow();
    static CWnd* GetForegroundWindow();
    static CWnd* GetDesktopWindow();
    static CWnd* WindowFromPoint(POINT point);

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    CWnd* SetFocus();
    CWnd* SetCapture();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();
    void BringWindowToTop();
    BOOL IsIconic() const;
    BOOL IsZoomed() const;

    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPRECT rect) const;
    void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
    void CenterWindow(CWnd* alternateOwner = nullptr);

    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, HRGN region = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL redraw = TRUE);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc);
    BOOL KillTimer(UINT_PTR id);

    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* menu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL revert) const;

    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    int GetDlgItemText(int id, LPTSTR buffer, int max) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = 0);
    void DragAcceptFiles(BOOL accept = TRUE);
    HICON SetIcon(HICON icon, BOOL big);
    HICON GetIcon(BOOL big) const;

    // Drawing: defined with the class library's GDI classes (afx/CDC.h, afx/CFont.h).
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    void SetTemporaryHandle(HWND hwnd) { m_hWnd = hwnd; m_temporary = true; }

protected:
    // Default handlers: each passes the message on to the window's procedure.
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnTimer(UINT_PTR id);
    void OnSetFocus(CWnd* old);
    void OnKillFocus(CWnd* next);
    void OnCaptureChanged(CWnd* next);
    void OnShowWindow(BOOL show, UINT status);
    void OnEnable(BOOL enable);
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnKeyUp(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnContextMenu(CWnd* wnd, CPoint point);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnWindowPosChanged(WINDOWPOS* pos);
    void OnWindowPosChanging(WINDOWPOS* pos);
    void OnDrawItem(int id, DRAWITEMSTRUCT* item);
    void OnMeasureItem(int id, MEASUREITEMSTRUCT* item);
    BOOL OnDeviceChange(UINT event, DWORD_PTR data);
    void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    BOOL OnEraseBkgnd(CDC* dc);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind);
    void OnHScroll(UINT code, UINT position, CScrollBar* bar);
    void OnVScroll(UINT code, UINT position, CScrollBar* bar);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    HCURSOR OnQueryDragIcon();
    void OnDropFiles(HDROP drop);

    WNDPROC m_pfnSuper = nullptr;   // the procedure the window had before it was attached
    int m_nModalResult = -1;
    bool m_modal = false;

    DECLARE_MESSAGE_MAP()

    // Attaches the next window this thread creates to self (a CWnd*).
    static void CreationHook(HWND hwnd, void* self);

private:
    struct SpecialPlace {};
    CWnd(SpecialPlace, HWND place) : m_hWnd(place), m_temporary(true) {}
    friend LRESULT MvAfxWndProc(HWND, UINT, WPARAM, LPARAM);
    void Subclass(HWND hwnd);
    bool m_temporary = false;
};

// Pre-translation of a fetched message: the thread's hook (the application installs
// one), or else the window tree of the message.
BOOL AfxPreTranslateMessage(MSG* msg);
// Frees the temporary wrappers of windows and menus; the application calls it when idle.
void AfxDeleteTempMaps();
// The procedure of every attached window.
LRESULT MvAfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// A window class name with DefWindowProc as its procedure, registered on first use.
LPCTSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr, HICON icon = nullptr);
