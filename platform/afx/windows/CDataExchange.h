#pragma once
// Data exchange between a dialog's controls and its members (DoDataExchange).
#include "afx/CString.h"
#include "win32/WinTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    HWND PrepareCtrl(int id);       // null (and failed) when the dialog has no such control
    void Fail() { m_bFailed = TRUE; }

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    BOOL m_bFailed = FALSE;
};

// Attaches control (once) to the dialog's control id, so its messages reach it.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
