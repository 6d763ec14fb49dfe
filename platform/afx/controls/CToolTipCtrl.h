#pragma once
// The tool tip control of the class library.
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CommCtrl.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    BOOL Create(CWnd* parent, DWORD style = 0);
    void Activate(BOOL activate);
    // A tool over the window's rectangle (its whole client area when rect is null).
    BOOL AddTool(CWnd* window, LPCTSTR text = LPSTR_TEXTCALLBACK, LPCRECT rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* window, UINT_PTR id = 0);
    void UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR id = 0);
    void GetText(CString& text, CWnd* window, UINT_PTR id = 0) const;
    void SetToolRect(CWnd* window, UINT_PTR id, LPCRECT rect);
    int GetToolCount() const;
    int SetMaxTipWidth(int width);
    void SetDelayTime(UINT delay);
    void RelayEvent(LPMSG msg);
    void Pop();
};
