#pragma once
// The edit control of the class library.
#include "afx/windows/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    DWORD GetSel() const;
    void GetSel(int& start, int& end) const;
    void SetSel(DWORD selection, BOOL noScroll = FALSE);
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    void LimitText(int max = 0);
    void SetLimitText(UINT max);
    UINT GetLimitText() const;
    int GetLineCount() const;
    int LineIndex(int line = -1) const;
    int LineLength(int position = -1) const;
    int LineFromChar(int position = -1) const;
    int GetLine(int line, LPTSTR buffer, int max) const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    void SetPasswordChar(TCHAR ch);
};
