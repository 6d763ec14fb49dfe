#include "afx/controls/CRichEditCtrl.h"
#include "win32/controls/CommCtrl.h"

#include <vector>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {

LPARAM P(const void* pointer)
{
    return reinterpret_cast<LPARAM>(pointer);
}

} // namespace

BOOL AfxInitRichEdit()
{
    InitCommonControls();
    return TRUE;
}

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    AfxInitRichEdit();
    return CWnd::Create(RICHEDIT_CLASS, nullptr, style, rect, parent, id);
}

BOOL CRichEditCtrl::CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
BOOL CRichEditCtrl::CanRedo() const { return static_cast<BOOL>(SendMessage(EM_CANREDO)); }
BOOL CRichEditCtrl::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
BOOL CRichEditCtrl::Redo() { return static_cast<BOOL>(SendMessage(EM_REDO)); }
void CRichEditCtrl::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
void CRichEditCtrl::Clear() { SendMessage(WM_CLEAR); }
void CRichEditCtrl::Copy() { SendMessage(WM_COPY); }
void CRichEditCtrl::Cut() { SendMessage(WM_CUT); }
void CRichEditCtrl::Paste() { SendMessage(WM_PASTE); }
BOOL CRichEditCtrl::CanPaste(UINT format) const { return static_cast<BOOL>(SendMessage(EM_CANPASTE, format)); }
void CRichEditCtrl::GetSel(CHARRANGE& range) const { SendMessage(EM_EXGETSEL, 0, P(&range)); }

void CRichEditCtrl::GetSel(long& start, long& end) const
{
    CHARRANGE range{};
    GetSel(range);
    start = range.cpMin;
    end = range.cpMax;
}

void CRichEditCtrl::SetSel(long start, long end)
{
    CHARRANGE range{static_cast<LONG>(start), static_cast<LONG>(end)};
    SetSel(range);
}

void CRichEditCtrl::SetSel(CHARRANGE& range) { SendMessage(EM_EXSETSEL, 0, P(&range)); }

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE range{};
    GetSel(range);
    // UTF-8 takes at most three bytes for each UTF-16 unit.
    std::vector<char> buffer(static_cast<size_t>(range.cpMax - range.cpMin) * 3 + 1, '\0');
    SendMessage(EM_GETSELTEXT, 0, P(buffer.data()));
    return CString(buffer.data());
}

WORD CRichEditCtrl::GetSelectionType() const { return static_cast<WORD>(SendMessage(EM_SELECTIONTYPE)); }
void CRichEditCtrl::ReplaceSel(LPCTSTR text, BOOL canUndo) { SendMessage(EM_REPLACESEL, static_cast<WPARAM>(canUndo), P(text)); }

long CRichEditCtrl::GetTextLength() const
{
    GETTEXTLENGTHEX info{GTL_NUMCHARS, CP_WIDE};
    return static_cast<long>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&info)));
}

int CRichEditCtrl::GetTextRange(int first, int last, CString& text) const
{
    long length = GetTextLength();
    if (last < 0 || last > length) last = static_cast<int>(length);
    if (first < 0) first = 0;
    if (last < first) last = first;
    std::vector<char> buffer(static_cast<size_t>(last - first) * 3 + 1, '\0');
    TEXTRANGE range{{first, last}, buffer.data()};
    SendMessage(EM_GETTEXTRANGE, 0, P(&range));
    text = buffer.data();
    return last - first;
}

void CRichEditCtrl::LimitText(long max) { SendMessage(EM_EXLIMITTEXT, 0, max); }
long CRichEditCtrl::GetLimitText() const { return static_cast<long>(SendMessage(EM_GETLIMITTEXT)); }
BOOL CRichEditCtrl::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly))); }
DWORD CRichEditCtrl::GetEventMask() const { return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK)); }
DWORD CRichEditCtrl::SetEventMask(DWORD mask) { return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, mask)); }

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& format) const
{
    format.cbSize = sizeof format;
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, P(&format)));
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& format)
{
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, P(&format)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& format) const
{
    format.cbSize = sizeof format;
    return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, P(&format)));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& format)
{
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, P(&format)));
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT& format)
{
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, P(&format)));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& format) const
{
    format.cbSize = sizeof format;
    return static_cast<DWORD>(SendMessage(EM_GETPARAFORMAT, 0, P(&format)));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& format)
{
    format.cbSize = sizeof format;
    return static_cast<BOOL>(SendMessage(EM_SETPARAFORMAT, 0, P(&format)));
}

long CRichEditCtrl::StreamIn(int format, EDITSTREAM& stream) { return static_cast<long>(SendMessage(EM_STREAMIN, static_cast<WPARAM>(format), P(&stream))); }
long CRichEditCtrl::StreamOut(int format, EDITSTREAM& stream) { return static_cast<long>(SendMessage(EM_STREAMOUT, static_cast<WPARAM>(format), P(&stream))); }
COLORREF CRichEditCtrl::SetBackgroundColor(BOOL system, COLORREF colour) { return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, static_cast<WPARAM>(system), colour)); }
void CRichEditCtrl::HideSelection(BOOL hide, BOOL permanent) { SendMessage(EM_HIDESELECTION, static_cast<WPARAM>(hide), permanent); }
int CRichEditCtrl::GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
int CRichEditCtrl::LineIndex(int line) const { return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line))); }
int CRichEditCtrl::LineLength(int position) const { return static_cast<int>(SendMessage(EM_LINELENGTH, static_cast<WPARAM>(position))); }
long CRichEditCtrl::LineFromChar(long position) const { return static_cast<long>(SendMessage(EM_EXLINEFROMCHAR, 0, position)); }
