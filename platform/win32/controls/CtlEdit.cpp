#include "win32/controls/CtlEdit.h"
#include "win32/controls/CtlBusy.h"
#include "win32/controls/CtlClipboard.h"
#include "win32/controls/CtlMessages.h"
#include "win32/CtlText.h"
#include "win32/dialogs/Resources.h"

#include <algorithm>
#include <cstring>

CtlEdit::CtlEdit(DWORD style, bool rich) : CtlModel(style), m_rich(rich)
{
    m_doc.SetPlain(!rich);
    m_doc.SetSingleUndo(!rich);
    m_doc.SetLimit(rich ? 32767 : 30000);
    if (style & ES_PASSWORD) m_passwordChar = u'*';
}

std::string CtlEdit::GetText() const
{
    return ExportText(0, -1, m_rich);
}

bool CtlEdit::IsReadOnly() const
{
    return (Style() & ES_READONLY) != 0;
}

void CtlEdit::SetReadOnly(bool on)
{
    SetStyle(on ? (Style() | ES_READONLY) : (Style() & ~static_cast<DWORD>(ES_READONLY)));
    if (Host()) Host()->StyleChanged(Style());
    Changed();
}

std::string CtlEdit::ExportText(LONG start, LONG end, bool crlf) const
{
    std::u16string text = m_doc.Range(start, end);
    if (crlf && m_rich) {
        std::u16string out;
        out.reserve(text.size());
        for (char16_t c : text) {
            out += c;
            if (c == u'\r') out += u'\n';
        }
        text.swap(out);
    }
    return CtlNarrow(text);
}

LRESULT CtlEdit::Handle(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    LRESULT result = Dispatch(message, wParam, lParam, handled);
    AfterChange();
    return result;
}

void CtlEdit::AfterChange()
{
    // Nested messages (a parent answering a notice) notify for themselves; these members keep
    // the outer call from repeating what they already said.
    if (m_doc.TextRevision() != m_notifiedRevision) {
        m_notifiedRevision = m_doc.TextRevision();
        TextChanged();
    }
    if (m_doc.SelStart() != m_notifiedStart || m_doc.SelEnd() != m_notifiedEnd) {
        m_notifiedStart = m_doc.SelStart();
        m_notifiedEnd = m_doc.SelEnd();
        SelectionChanged();
    }
    if (m_doc.Serial() != m_seenSerial) {
        m_seenSerial = m_doc.Serial();
        Changed();
    }
}

void CtlEdit::TextChanged()
{
    Command(EN_UPDATE);
    Command(EN_CHANGE);
}

bool CtlEdit::Insert(std::u16string_view text, bool undoable, bool typing)
{
    bool ok = m_doc.ReplaceSelection(text, undoable, typing);
    if (m_doc.WasCut()) Command(EN_MAXTEXT);
    return ok;
}

void CtlEdit::CopySelection()
{
    if (m_doc.SelStart() == m_doc.SelEnd() || m_passwordChar) return;
    std::u16string text = m_doc.Range(m_doc.SelStart(), m_doc.SelEnd());
    CtlClipboard::Set(text);
}

void CtlEdit::PasteClipboard()
{
    if (!CtlClipboard::HasText()) return;
    std::u16string text = CtlClipboard::Text();
    if (!(Style() & ES_MULTILINE)) {
        // A single line takes the text up to its first line end.
        size_t cut = text.find_first_of(u"\r\n");
        if (cut != std::u16string::npos) text.resize(cut);
    }
    Insert(text, true);
}

LONG CtlEdit::LineStart(LONG line) const
{
    const std::u16string& t = m_doc.Text();
    std::u16string br = LineBreak();
    LONG pos = 0;
    for (LONG i = 0; i < line; ++i) {
        size_t at = t.find(br, static_cast<size_t>(pos));
        if (at == std::u16string::npos) return -1;
        pos = static_cast<LONG>(at + br.size());
    }
    return pos;
}

LONG CtlEdit::LineOf(LONG position) const
{
    const std::u16string& t = m_doc.Text();
    std::u16string br = LineBreak();
    position = std::clamp<LONG>(position, 0, m_doc.Length());
    LONG line = 0;
    size_t pos = 0;
    while (true) {
        size_t at = t.find(br, pos);
        if (at == std::u16string::npos || static_cast<LONG>(at) >= position) return line;
        pos = at + br.size();
        if (static_cast<LONG>(pos) > position) return line;
        ++line;
    }
}

LONG CtlEdit::LineEnd(LONG start) const
{
    size_t at = m_doc.Text().find(LineBreak(), static_cast<size_t>(start));
    return at == std::u16string::npos ? m_doc.Length() : static_cast<LONG>(at);
}

LONG CtlEdit::CharFromPoint(POINT point) const
{
    LONG lines = LineOf(m_doc.Length()) + 1;
    LONG line = std::clamp<LONG>(point.y / kLineHeight, 0, lines - 1);
    LONG start = LineStart(line);
    LONG column = std::max<LONG>(0, (point.x - kMargin + kCharWidth / 2) / kCharWidth);
    return std::min(start + column, LineEnd(start));
}

POINT CtlEdit::PointFromChar(LONG position) const
{
    position = std::clamp<LONG>(position, 0, m_doc.Length());
    LONG line = LineOf(position);
    return POINT{kMargin + (position - LineStart(line)) * kCharWidth, line * kLineHeight};
}

void CtlEdit::SelectWordAt(LONG position)
{
    const std::u16string& t = m_doc.Text();
    auto word = [&](LONG i) {
        char16_t c = t[static_cast<size_t>(i)];
        return c == u'_' || c >= 0x80 || (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    };
    LONG start = position;
    LONG end = position;
    while (start > 0 && word(start - 1)) --start;
    while (end < m_doc.Length() && word(end)) ++end;
    m_doc.SetSelection(start, end);
}

LRESULT CtlEdit::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    return HandleEdit(message, wParam, lParam, handled);
}

LRESULT CtlEdit::HandleEdit(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case WM_SETTEXT: {
        std::u16string text = CtlWiden(CtlTextArg(lParam));
        m_doc.Reset(text);
        if (m_doc.Length() > m_doc.Limit() && m_rich) m_doc.Reset(text.substr(0, static_cast<size_t>(m_doc.Limit())));
        m_doc.SetModified(false);
        return TRUE;
    }
    case WM_GETTEXT:
        return CtlCopyOut(GetText(), reinterpret_cast<char*>(lParam), static_cast<int>(wParam));
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(GetText().size());
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        // An in-place box keeps every key; a multi-line edit leaves Tab, Escape and (without
        // ES_WANTRETURN) Enter to its dialog.
        if (m_keyHook) return code | DLGC_WANTALLKEYS;
        if (!(Style() & ES_MULTILINE)) return code;
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        WPARAM key = msg && msg->message == WM_KEYDOWN ? msg->wParam : 0;
        bool dialogKey = key == VK_TAB || key == VK_ESCAPE || (key == VK_RETURN && !(Style() & ES_WANTRETURN));
        return dialogKey ? code : code | DLGC_WANTALLKEYS;
    }
    case WM_SETFOCUS:
        Command(EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        Command(EN_KILLFOCUS);
        return 0;
    case WM_CHAR: {
        char16_t c = static_cast<char16_t>(wParam);
        switch (c) {
        case 0x01: m_doc.SetSelection(0, -1); return 0;
        case 0x03: UserCopy(); return 0;
        case 0x16: UserPaste(); return 0;
        case 0x18: UserCut(); return 0;
        case 0x1A: UserUndo(); return 0;
        case 0x08: UserBackspace(); return 0;
        case u'\r':
        case u'\n':
            if (Style() & ES_MULTILINE) UserType(LineBreak());
            return 0;
        default:
            if (c >= 0x20 || c == u'\t') UserType(std::u16string_view(&c, 1));
            return 0;
        }
    }
    case WM_KEYDOWN:
        if (m_keyHook) {
            auto hook = m_keyHook; // the hook may end the box and drop itself
            if (hook(static_cast<UINT>(wParam))) return 0;
        }
        return KeyDown(static_cast<UINT>(wParam), handled);
    case EM_GETSEL: {
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(m_doc.SelStart());
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(m_doc.SelEnd());
        return MAKELONG(std::min<LONG>(m_doc.SelStart(), 0xFFFF), std::min<LONG>(m_doc.SelEnd(), 0xFFFF));
    }
    case EM_SETSEL: {
        auto start = static_cast<LONG>(static_cast<intptr_t>(wParam));
        auto end = static_cast<LONG>(lParam);
        if (start == -1)
            m_doc.SetSelection(-1, m_doc.Caret());
        else
            m_doc.SetSelection(start, end);
        return TRUE;
    }
    case EM_REPLACESEL:
        Insert(CtlWiden(CtlTextArg(lParam)), wParam != 0);
        return 0;
    case EM_SCROLLCARET:
        return TRUE;
    case EM_GETMODIFY:
        return m_doc.Modified() ? TRUE : FALSE;
    case EM_SETMODIFY:
        m_doc.SetModified(wParam != 0);
        return 0;
    case EM_CANUNDO:
        return m_doc.CanUndo() ? TRUE : FALSE;
    case EM_UNDO:
    case WM_UNDO:
        return m_doc.Undo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        m_doc.ClearUndo();
        return 0;
    case EM_SETREADONLY:
        SetReadOnly(wParam != 0);
        return TRUE;
    case EM_LIMITTEXT:
        m_doc.SetLimit(static_cast<LONG>(std::min<WPARAM>(wParam, 0x7FFFFFFE)));
        return 0;
    case EM_GETLIMITTEXT:
        return m_doc.Limit();
    case EM_SETPASSWORDCHAR:
        m_passwordChar = static_cast<char16_t>(wParam);
        return 0;
    case EM_GETPASSWORDCHAR:
        return m_passwordChar;
    case EM_GETLINECOUNT:
        return LineOf(m_doc.Length()) + 1;
    case EM_LINEINDEX: {
        auto line = static_cast<LONG>(static_cast<intptr_t>(wParam));
        return LineStart(line < 0 ? LineOf(m_doc.Caret()) : line);
    }
    case EM_LINEFROMCHAR: {
        auto pos = static_cast<LONG>(static_cast<intptr_t>(wParam));
        return LineOf(pos < 0 ? m_doc.SelStart() : pos);
    }
    case EM_LINELENGTH: {
        auto pos = static_cast<LONG>(static_cast<intptr_t>(wParam));
        if (pos < 0) pos = m_doc.SelStart();
        LONG start = LineStart(LineOf(pos));
        return LineEnd(start) - start;
    }
    case EM_GETLINE: {
        LONG start = LineStart(static_cast<LONG>(wParam));
        char* buffer = reinterpret_cast<char*>(lParam);
        if (start < 0 || !buffer) return 0;
        WORD size = 0;
        std::memcpy(&size, buffer, sizeof size);
        std::string line = ExportText(start, LineEnd(start), false);
        size_t n = std::min<size_t>(line.size(), size);
        std::memcpy(buffer, line.data(), n);
        return static_cast<LRESULT>(n);
    }
    case WM_LBUTTONDOWN: {
        if (!IsEnabled()) return 0;
        if (Host()) {
            Host()->TakeFocus();
            Host()->SetCapture(true);
        }
        m_mouseSelecting = true;
        LONG at = CharFromPoint(PointOf(lParam));
        m_doc.SetSelection((wParam & MK_SHIFT) ? m_doc.Anchor() : at, at);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (m_mouseSelecting) m_doc.SetSelection(m_doc.Anchor(), CharFromPoint(PointOf(lParam)));
        return 0;
    case WM_LBUTTONUP:
        if (m_mouseSelecting && Host()) Host()->SetCapture(false);
        m_mouseSelecting = false;
        return 0;
    case WM_CAPTURECHANGED:
        m_mouseSelecting = false;
        return 0;
    case WM_LBUTTONDBLCLK:
        if (IsEnabled()) SelectWordAt(CharFromPoint(PointOf(lParam)));
        return 0;
    case EM_POSFROMCHAR: {
        if (static_cast<LONG>(static_cast<intptr_t>(wParam)) > m_doc.Length()) return -1;
        POINT p = PointFromChar(static_cast<LONG>(static_cast<intptr_t>(wParam)));
        return MAKELONG(p.x, p.y);
    }
    case EM_CHARFROMPOS: {
        LONG at = CharFromPoint(PointOf(lParam));
        return MAKELONG(std::min<LONG>(at, 0xFFFF), std::min<LONG>(LineOf(at), 0xFFFF));
    }
    case WM_CUT: UserCut(); return 0;
    case WM_COPY: CopySelection(); return 0;
    case WM_PASTE: if (!IsReadOnly()) PasteClipboard(); return 0;
    case WM_CLEAR: if (!IsReadOnly()) Insert(u"", true); return 0;
    default:
        handled = false;
        return 0;
    }
}

LRESULT CtlEdit::KeyDown(UINT key, bool& handled)
{
    bool control = GetKeyState(VK_CONTROL) < 0;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    if (control) {
        switch (key) {
        case 'A': UserSelect(0, -1); return 0;
        case 'C': case VK_INSERT: UserCopy(); return 0;
        case 'X': UserCut(); return 0;
        case 'V': UserPaste(); return 0;
        case 'Z': UserUndo(); return 0;
        case 'Y':
            if (m_rich && !IsReadOnly()) {
                m_doc.Redo();
                AfterChange();
            }
            return 0;
        default: break;
        }
    }
    // Moves keep the anchor with Shift held, else they collapse the selection.
    LONG caret = m_doc.Caret();
    LONG lineStart = LineStart(LineOf(caret));
    LONG to;
    switch (key) {
    case VK_DELETE: UserDelete(); return 0;
    case VK_LEFT: to = std::max<LONG>(0, caret - 1); break;
    case VK_RIGHT: to = std::min(m_doc.Length(), caret + 1); break;
    case VK_HOME: to = control ? 0 : lineStart; break;
    case VK_END: to = control ? m_doc.Length() : LineEnd(lineStart); break;
    case VK_UP: to = PointFromChar(caret).y < kLineHeight ? caret : CharFromPoint({PointFromChar(caret).x, PointFromChar(caret).y - kLineHeight}); break;
    case VK_DOWN: to = CharFromPoint({PointFromChar(caret).x, PointFromChar(caret).y + kLineHeight}); break;
    default: handled = false; return 0;
    }
    UserSelect(shift ? m_doc.Anchor() : -1, to);
    return 0;
}

void CtlEdit::UserType(std::u16string_view text)
{
    CtlBusy busy;
    if (IsReadOnly() || !IsEnabled()) return;
    std::u16string typed(text);
    if (Style() & ES_NUMBER)
        std::erase_if(typed, [](char16_t c) { return c < u'0' || c > u'9'; });
    if (Style() & ES_UPPERCASE)
        for (auto& c : typed) c = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
    if (Style() & ES_LOWERCASE)
        for (auto& c : typed) c = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
    if (typed.empty()) return;
    Insert(typed, true, true);
    AfterChange();
}

void CtlEdit::UserType(std::string_view utf8)
{
    CtlBusy busy;
    UserType(std::u16string_view(CtlWiden(utf8)));
}

void CtlEdit::UserBackspace()
{
    CtlBusy busy;
    if (IsReadOnly() || !IsEnabled()) return;
    if (m_doc.SelStart() == m_doc.SelEnd()) {
        if (m_doc.Caret() == 0) return;
        LONG back = 1;
        if (!m_rich && m_doc.Caret() >= 2 && m_doc.Text().compare(static_cast<size_t>(m_doc.Caret() - 2), 2, u"\r\n") == 0)
            back = 2;
        m_doc.SetSelection(m_doc.Caret() - back, m_doc.Caret());
    }
    Insert(u"", true);
    AfterChange();
}

void CtlEdit::UserDelete()
{
    CtlBusy busy;
    if (IsReadOnly() || !IsEnabled()) return;
    if (m_doc.SelStart() == m_doc.SelEnd()) {
        if (m_doc.Caret() >= m_doc.Length()) return;
        LONG ahead = 1;
        if (!m_rich && m_doc.Text().compare(static_cast<size_t>(m_doc.Caret()), 2, u"\r\n") == 0) ahead = 2;
        m_doc.SetSelection(m_doc.Caret() + ahead, m_doc.Caret());
    }
    Insert(u"", true);
    AfterChange();
}

void CtlEdit::UserSelect(LONG anchor, LONG caret)
{
    CtlBusy busy;
    if (!IsEnabled()) return;
    m_doc.SetSelection(anchor, caret);
    AfterChange();
}

void CtlEdit::UserCut()
{
    CtlBusy busy;
    if (IsReadOnly() || m_passwordChar || m_doc.SelStart() == m_doc.SelEnd()) return;
    CopySelection();
    Insert(u"", true);
    AfterChange();
}

void CtlEdit::UserCopy()
{
    CtlBusy busy;
    CopySelection();
}

void CtlEdit::UserPaste()
{
    CtlBusy busy;
    if (IsReadOnly()) return;
    PasteClipboard();
    AfterChange();
}

void CtlEdit::UserUndo()
{
    CtlBusy busy;
    if (IsReadOnly()) return;
    m_doc.Undo();
    AfterChange();
}
