#include "win32/controls/CtlRichEdit.h"
#include "win32/controls/CtlClipboard.h"
#include "win32/controls/CtlRtf.h"
#include "win32/CtlText.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr LONG kChunk = 4096;

void ToCtl(const CHARFORMAT& in, CtlCharFormat& out)
{
    out.effects = in.dwEffects;
    out.height = in.yHeight;
    out.offset = in.yOffset;
    out.color = in.crTextColor;
    out.charSet = in.bCharSet;
    out.pitchAndFamily = in.bPitchAndFamily;
    out.face.assign(in.szFaceName, strnlen(in.szFaceName, sizeof in.szFaceName));
}

void FromCtl(const CtlCharFormat& in, DWORD mask, CHARFORMAT& out)
{
    out.dwMask = mask;
    out.dwEffects = in.effects;
    out.yHeight = in.height;
    out.yOffset = in.offset;
    out.crTextColor = in.color;
    out.bCharSet = in.charSet;
    out.bPitchAndFamily = in.pitchAndFamily;
    std::memset(out.szFaceName, 0, sizeof out.szFaceName);
    std::memcpy(out.szFaceName, in.face.data(), std::min(in.face.size(), sizeof out.szFaceName - 1));
    if (out.cbSize >= sizeof(CHARFORMAT2)) {
        auto& two = static_cast<CHARFORMAT2&>(out);
        two.wWeight = (in.effects & CFE_BOLD) ? 700 : 400;
    }
}

std::u16string Utf16Le(const std::string& bytes)
{
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return out;
}

std::string ToUtf16Le(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
    return out;
}

bool WideFormat(WPARAM format)
{
    return (format & SF_UNICODE) || ((format & SF_USECODEPAGE) && HIWORD(format) == CP_WIDE);
}

std::u16string WithCrLf(const std::u16string& text)
{
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        out += c;
        if (c == u'\r') out += u'\n';
    }
    return out;
}

} // namespace

CtlRichEdit::CtlRichEdit(DWORD style) : CtlEdit(style, true) {}

void CtlRichEdit::TextChanged()
{
    if (m_eventMask & ENM_UPDATE) Command(EN_UPDATE);
    if (m_eventMask & ENM_CHANGE) Command(EN_CHANGE);
}

void CtlRichEdit::SelectionChanged()
{
    if (!(m_eventMask & ENM_SELCHANGE)) return;
    SELCHANGE notice{};
    notice.chrg = {Doc().SelStart(), Doc().SelEnd()};
    notice.seltyp = notice.chrg.cpMin == notice.chrg.cpMax ? SEL_EMPTY
                    : notice.chrg.cpMax - notice.chrg.cpMin > 1 ? (SEL_TEXT | SEL_MULTICHAR) : SEL_TEXT;
    Notify(notice.nmhdr, EN_SELCHANGE);
}

void CtlRichEdit::CopySelection()
{
    LONG s = Doc().SelStart();
    LONG e = Doc().SelEnd();
    if (s == e) return;
    CtlClipboard::Set(WithCrLf(Doc().Range(s, e)), CtlWriteRtf(Doc().Extract(s, e)));
}

void CtlRichEdit::PasteClipboard()
{
    if (!CtlClipboard::HasText()) return;
    std::string rtf = CtlClipboard::Rtf();
    CtlRichText rich;
    // Text beyond the control's limit would be cut anyway; the mark the writer adds is one more.
    size_t most = static_cast<size_t>(Doc().Limit()) + 1;
    if (!rtf.empty() && CtlReadRtf(rtf, Doc().FormatAt(Doc().SelStart()), rich, most)) {
        // A copied piece ends with the paragraph mark the writer adds; it is not part of it.
        if (!rich.text.empty() && rich.text.back() == u'\r') {
            rich.PopBack();
            rich.paraFormats.pop_back();
        }
        Doc().ReplaceRich(Doc().SelStart(), Doc().SelEnd(), rich, true);
        if (Doc().WasCut()) Command(EN_MAXTEXT);
        return;
    }
    Insert(CtlClipboard::Text(), true);
}

LONG CtlRichEdit::Load(const std::string& data, WPARAM format, bool selection)
{
    CtlTextModel& doc = Doc();
    LONG start = selection ? doc.SelStart() : 0;
    LONG end = selection ? doc.SelEnd() : doc.Length();
    if ((format & 3) == SF_RTF || (format & 3) == SF_RTFNOOBJS) {
        CtlRichText rich;
        if (CtlReadRtf(data, doc.FormatAt(start), rich, static_cast<size_t>(doc.Limit()) + 1)) {
            if (!rich.text.empty() && rich.text.back() == u'\r') {
                // The document's last paragraph mark is the control's own, not text.
                rich.PopBack();
                rich.paraFormats.pop_back();
            }
            doc.ReplaceRich(start, end, rich, selection);
            if (doc.WasCut()) Command(EN_MAXTEXT);
            if (!selection) doc.SetSelection(0, 0);
            return static_cast<LONG>(rich.text.size());
        }
    }
    std::u16string text = WideFormat(format) ? Utf16Le(data) : CtlWiden(data);
    // Plain text ends at its first zero.
    text.resize(std::min(text.size(), text.find(u'\0')));
    doc.SetSelection(start, end);
    Insert(text, selection);
    LONG read = doc.Caret() - start;
    if (!selection) doc.SetSelection(0, 0);
    return read;
}

LRESULT CtlRichEdit::StreamIn(WPARAM format, EDITSTREAM* stream)
{
    if (!stream || !stream->pfnCallback) return 0;
    if (IsReadOnly() && (format & SFF_SELECTION)) return 0;
    std::string data;
    BYTE buffer[kChunk];
    stream->dwError = 0;
    while (data.size() < kMaxStreamBytes) {
        LONG got = 0;
        DWORD error = stream->pfnCallback(stream->dwCookie, buffer, kChunk, &got);
        if (error) {
            stream->dwError = error;
            break;
        }
        if (got <= 0) break;
        data.append(reinterpret_cast<const char*>(buffer), static_cast<size_t>(std::min(got, kChunk)));
    }
    return Load(data, format, (format & SFF_SELECTION) != 0);
}

LRESULT CtlRichEdit::StreamOut(WPARAM format, EDITSTREAM* stream)
{
    if (!stream || !stream->pfnCallback) return 0;
    bool selection = (format & SFF_SELECTION) != 0;
    LONG start = selection ? Doc().SelStart() : 0;
    LONG end = selection ? Doc().SelEnd() : Doc().Length();
    std::string data;
    LRESULT count;
    if ((format & 3) == SF_RTF || (format & 3) == SF_RTFNOOBJS) {
        data = CtlWriteRtf(Doc().Extract(start, end));
        count = static_cast<LRESULT>(data.size());
    } else {
        std::u16string text = WithCrLf(Doc().Range(start, end));
        data = WideFormat(format) ? ToUtf16Le(text) : CtlNarrow(text);
        count = static_cast<LRESULT>(text.size());
    }
    stream->dwError = 0;
    size_t at = 0;
    while (at < data.size()) {
        LONG n = static_cast<LONG>(std::min<size_t>(kChunk, data.size() - at));
        BYTE buffer[kChunk];
        std::memcpy(buffer, data.data() + at, static_cast<size_t>(n));
        LONG written = 0;
        DWORD error = stream->pfnCallback(stream->dwCookie, buffer, n, &written);
        if (error) {
            stream->dwError = error;
            break;
        }
        if (written <= 0) break;
        at += static_cast<size_t>(std::min(written, n));
    }
    return count;
}

LRESULT CtlRichEdit::GetTextEx(const GETTEXTEX* info, LPARAM buffer)
{
    if (!info || !buffer || info->cb == 0) return 0;
    bool selection = (info->flags & GT_SELECTION) != 0;
    std::u16string text = selection ? Doc().Range(Doc().SelStart(), Doc().SelEnd()) : Doc().Text();
    if (info->flags & GT_USECRLF) text = WithCrLf(text);
    if (info->codepage == CP_WIDE) {
        auto* out = reinterpret_cast<WCHAR*>(buffer);
        size_t room = info->cb / sizeof(WCHAR);
        if (room == 0) return 0;
        size_t n = std::min(text.size(), room - 1);
        std::copy_n(text.data(), n, out);
        out[n] = u'\0';
        return static_cast<LRESULT>(n);
    }
    return CtlCopyOut(CtlNarrow(text), reinterpret_cast<char*>(buffer), static_cast<int>(std::min<DWORD>(info->cb, 0x7FFFFFFF)));
}

LRESULT CtlRichEdit::GetTextLengthEx(const GETTEXTLENGTHEX* info)
{
    std::u16string text = Doc().Text();
    DWORD flags = info ? info->flags : 0;
    if (flags & GTL_USECRLF) text = WithCrLf(text);
    bool wide = info && info->codepage == CP_WIDE;
    if ((flags & GTL_NUMBYTES) && !wide) return static_cast<LRESULT>(CtlNarrow(text).size());
    if (flags & GTL_NUMBYTES) return static_cast<LRESULT>(text.size() * 2);
    return static_cast<LRESULT>(text.size());
}

LRESULT CtlRichEdit::HandleEdit(UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    CtlTextModel& doc = Doc();
    switch (message) {
    case WM_SETTEXT: {
        std::string text = CtlTextArg(lParam);
        if (text.compare(0, 5, "{\\rtf") == 0) {
            Load(text, SF_RTF, false);
            doc.ClearUndo();
            doc.SetModified(false);
            return TRUE;
        }
        return CtlEdit::HandleEdit(message, wParam, lParam, handled);
    }
    case EM_EXGETSEL: {
        auto* range = reinterpret_cast<CHARRANGE*>(lParam);
        if (range) *range = {doc.SelStart(), doc.SelEnd()};
        return 0;
    }
    case EM_EXSETSEL: {
        auto* range = reinterpret_cast<const CHARRANGE*>(lParam);
        if (range) {
            if (range->cpMin == -1)
                doc.SetSelection(-1, doc.Caret());
            else
                doc.SetSelection(range->cpMin, range->cpMax);
        }
        return doc.SelEnd();
    }
    case EM_EXLIMITTEXT:
        doc.SetLimit(lParam <= 0 ? 65536 : static_cast<LONG>(std::min<LPARAM>(lParam, 0x7FFFFFFE)));
        return 0;
    case EM_EXLINEFROMCHAR:
        return LineOf(static_cast<LONG>(lParam));
    case EM_GETCHARFORMAT: {
        auto* format = reinterpret_cast<CHARFORMAT*>(lParam);
        if (!format || format->cbSize < sizeof(CHARFORMAT)) return 0;
        CtlCharFormat value;
        DWORD mask = CFM_ALL;
        if (wParam & SCF_SELECTION)
            mask = doc.SelectionFormat(value);
        else
            value = doc.DefaultFormat();
        FromCtl(value, mask, *format);
        return mask;
    }
    case EM_SETCHARFORMAT: {
        auto* format = reinterpret_cast<const CHARFORMAT*>(lParam);
        if (!format || format->cbSize < sizeof(CHARFORMAT)) return 0;
        CtlCharFormat value;
        ToCtl(*format, value);
        if (wParam & SCF_ALL)
            doc.ApplyAllFormat(value, format->dwMask, true);
        else if (wParam & SCF_SELECTION)
            doc.ApplySelectionFormat(value, format->dwMask, true);
        else
            doc.SetDefaultFormat(value, format->dwMask);
        return TRUE;
    }
    case EM_GETPARAFORMAT: {
        auto* format = reinterpret_cast<PARAFORMAT*>(lParam);
        if (!format || format->cbSize < sizeof(PARAFORMAT)) return 0;
        CtlParaFormat value;
        DWORD mask = doc.SelectionParagraph(value);
        format->dwMask = mask;
        format->wAlignment = value.alignment;
        format->dxStartIndent = value.startIndent;
        format->dxRightIndent = value.rightIndent;
        format->dxOffset = value.offset;
        return mask;
    }
    case EM_SETPARAFORMAT: {
        auto* format = reinterpret_cast<const PARAFORMAT*>(lParam);
        if (!format || format->cbSize < sizeof(PARAFORMAT)) return 0;
        if ((format->dwMask & PFM_ALIGNMENT) && (format->wAlignment < PFA_LEFT || format->wAlignment > PFA_JUSTIFY))
            return FALSE;
        CtlParaFormat value;
        value.alignment = format->wAlignment;
        value.startIndent = format->dxStartIndent;
        value.rightIndent = format->dxRightIndent;
        value.offset = format->dxOffset;
        doc.ApplyParagraph(value, format->dwMask, true);
        return TRUE;
    }
    case EM_GETEVENTMASK:
        return m_eventMask;
    case EM_SETEVENTMASK: {
        DWORD old = m_eventMask;
        m_eventMask = static_cast<DWORD>(lParam);
        return old;
    }
    case EM_GETSELTEXT: {
        // The caller's buffer holds three bytes a character and the zero.
        std::string text = ExportText(doc.SelStart(), doc.SelEnd(), true);
        LONG chars = doc.SelEnd() - doc.SelStart();
        return CtlCopyOut(text, reinterpret_cast<char*>(lParam), chars * 3 + 1);
    }
    case EM_GETTEXTRANGE: {
        auto* range = reinterpret_cast<TEXTRANGE*>(lParam);
        if (!range || !range->lpstrText) return 0;
        LONG start = std::clamp<LONG>(range->chrg.cpMin, 0, doc.Length());
        LONG end = range->chrg.cpMax < 0 ? doc.Length() : std::clamp<LONG>(range->chrg.cpMax, 0, doc.Length());
        if (end < start) end = start;
        return CtlCopyOut(ExportText(start, end, false), range->lpstrText, (end - start) * 3 + 1);
    }
    case EM_HIDESELECTION:
        m_hideSelection = wParam != 0;
        Changed();
        return 0;
    case EM_SELECTIONTYPE: {
        LONG n = doc.SelEnd() - doc.SelStart();
        return n == 0 ? SEL_EMPTY : n > 1 ? (SEL_TEXT | SEL_MULTICHAR) : SEL_TEXT;
    }
    case EM_SETBKGNDCOLOR: {
        COLORREF old = m_background;
        m_background = wParam ? 0xFFFFFFFF : static_cast<COLORREF>(lParam);
        Changed();
        return old;
    }
    case EM_STREAMIN:
        return StreamIn(wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case EM_STREAMOUT:
        return StreamOut(wParam, reinterpret_cast<EDITSTREAM*>(lParam));
    case EM_CANPASTE:
        return (!IsReadOnly() && CtlClipboard::HasText()) ? TRUE : FALSE;
    case EM_REDO:
        return doc.Redo() ? TRUE : FALSE;
    case EM_CANREDO:
        return doc.CanRedo() ? TRUE : FALSE;
    case EM_SETUNDOLIMIT:
        doc.SetUndoLimit(static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF)));
        return static_cast<LRESULT>(wParam);
    case EM_STOPGROUPTYPING:
        doc.StopGroupTyping();
        return 0;
    case EM_GETTEXTEX:
        return GetTextEx(reinterpret_cast<const GETTEXTEX*>(wParam), lParam);
    case EM_GETTEXTLENGTHEX:
        return GetTextLengthEx(reinterpret_cast<const GETTEXTLENGTHEX*>(wParam));
    case EM_SETTEXTEX: {
        auto* info = reinterpret_cast<const SETTEXTEX*>(wParam);
        bool selection = info && (info->flags & ST_SELECTION);
        std::string text = (info && info->codepage == CP_WIDE)
                               ? CtlNarrow(reinterpret_cast<const WCHAR*>(lParam) ? std::u16string_view(reinterpret_cast<const WCHAR*>(lParam)) : std::u16string_view())
                               : CtlTextArg(lParam);
        if (!selection && !(info && (info->flags & ST_KEEPUNDO))) doc.ClearUndo();
        Load(text, text.compare(0, 5, "{\\rtf") == 0 ? SF_RTF : SF_TEXT, selection);
        return 1;
    }
    case EM_CANUNDO:
        return doc.CanUndo() ? 1 : 0;
    case EM_POSFROMCHAR: {
        // The rich edit's forms carry the point in a POINTL.
        POINT p = PointFromChar(static_cast<LONG>(lParam));
        if (auto* out = reinterpret_cast<POINTL*>(wParam)) *out = {p.x, p.y};
        return 0;
    }
    case EM_CHARFROMPOS: {
        auto* in = reinterpret_cast<const POINTL*>(lParam);
        return in ? CharFromPoint(POINT{in->x, in->y}) : 0;
    }
    default:
        return CtlEdit::HandleEdit(message, wParam, lParam, handled);
    }
}
