#pragma once
// The rich edit control of the class library.
#include "afx/CString.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/RichEdit.h"

// Makes the rich edit window classes available; true once they are.
BOOL AfxInitRichEdit();

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    BOOL CanUndo() const;
    BOOL CanRedo() const;
    BOOL Undo();
    BOOL Redo();
    void EmptyUndoBuffer();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL CanPaste(UINT format = 0) const;
    void GetSel(CHARRANGE& range) const;
    void GetSel(long& start, long& end) const;
    void SetSel(long start, long end);
    void SetSel(CHARRANGE& range);
    CString GetSelText() const;
    WORD GetSelectionType() const;
    void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
    long GetTextLength() const;
    // Characters first to last as text; returns the characters read.
    int GetTextRange(int first, int last, CString& text) const;
    void LimitText(long max = 0);
    long GetLimitText() const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    DWORD GetEventMask() const;
    DWORD SetEventMask(DWORD mask);
    DWORD GetDefaultCharFormat(CHARFORMAT& format) const;
    BOOL SetDefaultCharFormat(CHARFORMAT& format);
    DWORD GetSelectionCharFormat(CHARFORMAT& format) const;
    BOOL SetSelectionCharFormat(CHARFORMAT& format);
    BOOL SetWordCharFormat(CHARFORMAT& format);
    DWORD GetParaFormat(PARAFORMAT& format) const;
    BOOL SetParaFormat(PARAFORMAT& format);
    long StreamIn(int format, EDITSTREAM& stream);
    long StreamOut(int format, EDITSTREAM& stream);
    COLORREF SetBackgroundColor(BOOL system, COLORREF colour);
    void HideSelection(BOOL hide, BOOL permanent);
    int GetLineCount() const;
    int LineIndex(int line = -1) const;
    int LineLength(int position = -1) const;
    long LineFromChar(long position) const;
};
