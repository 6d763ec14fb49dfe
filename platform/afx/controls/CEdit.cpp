#include "afx/controls/CEdit.h"
#include "win32/controls/CtlMessages.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("EDIT", nullptr, style, rect, parent, id);
}

DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }

void CEdit::GetSel(int& start, int& end) const
{
    DWORD s = 0, e = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

void CEdit::SetSel(DWORD selection, BOOL noScroll)
{
    SetSel(static_cast<int>(static_cast<SHORT>(LOWORD(selection))), static_cast<int>(static_cast<SHORT>(HIWORD(selection))), noScroll);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(static_cast<intptr_t>(start)), end);
    if (!noScroll) SendMessage(EM_SCROLLCARET);
}

void CEdit::ReplaceSel(LPCTSTR text, BOOL canUndo) { SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text)); }
BOOL CEdit::CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
BOOL CEdit::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
void CEdit::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
void CEdit::Copy() { SendMessage(WM_COPY); }
void CEdit::Cut() { SendMessage(WM_CUT); }
void CEdit::Paste() { SendMessage(WM_PASTE); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly)); }
void CEdit::LimitText(int max) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(max)); }
void CEdit::SetLimitText(UINT max) { SendMessage(EM_LIMITTEXT, max); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
int CEdit::GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
int CEdit::LineIndex(int line) const { return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line))); }
int CEdit::LineLength(int position) const { return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(position))); }
int CEdit::LineFromChar(int position) const { return static_cast<int>(SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(position))); }

int CEdit::GetLine(int line, LPTSTR buffer, int max) const
{
    if (!buffer || max < static_cast<int>(sizeof(WORD))) return 0;
    auto size = static_cast<WORD>(std::min(max, 0xFFFF));
    std::memcpy(buffer, &size, sizeof size);
    return static_cast<int>(SendMessage(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer)));
}

BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, modified); }
void CEdit::SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, static_cast<unsigned char>(ch)); }
