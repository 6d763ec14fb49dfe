#include "CStyledEdit.h"

#include "CEntryField.h"
#include "CHandle.h"
#include "afx/windows/MessageMap.h"
#include "win32/CodePage.h"
#include "win32/fonts/Font.h"

#include <algorithm>
#include <cstring>
#include <vector>

BEGIN_MESSAGE_MAP(CStyledEdit, CRichEditCtrl)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

struct ReadCursor {
    const CHandle* data;
    uint32_t offset;
};

DWORD ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* cursor = reinterpret_cast<ReadCursor*>(cookie);
    uint32_t left = cursor->data->GetSize() - cursor->offset;
    uint32_t n = std::min<uint32_t>(left, count > 0 ? uint32_t(count) : 0);
    if (n) std::memcpy(buffer, cursor->data->GetPtr(cursor->offset), n);
    cursor->offset += n;
    *done = LONG(n);
    return 0;
}

DWORD WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* data = reinterpret_cast<CHandle*>(cookie);
    if (count < 0 || !data->Append(buffer, uint32_t(count))) return 1;
    *done = count;
    return 0;
}

bool IsRtf(const CHandle* data)
{
    return data->GetSize() >= 6 && std::memcmp(data->GetBuffer(), "{\\rtf", 5) == 0;
}

CHARFORMAT Format(DWORD mask)
{
    CHARFORMAT format{};
    format.cbSize = sizeof format;
    format.dwMask = mask;
    return format;
}

} // namespace

BOOL CStyledEdit::PreCreateWindow(CREATESTRUCT& cs)
{
    MvBorderToClientEdge(cs);
    return CRichEditCtrl::PreCreateWindow(cs);
}

int CStyledEdit::OnCreate(LPCREATESTRUCT cs)
{
    int result = CRichEditCtrl::OnCreate(cs);
    if (result != -1) SendMessage(EM_EXLIMITTEXT, 0, kTextLimit);
    return result;
}

void CStyledEdit::ApplyCharFormat(CHARFORMAT& format, bool alsoDefault)
{
    SetSelectionCharFormat(format);
    if (alsoDefault) SetDefaultCharFormat(format);
}

void CStyledEdit::SetFont(const LOGFONTA* font, bool alsoDefault)
{
    if (!font) return;
    CHARFORMAT format = Format(CFM_FACE | CFM_CHARSET);
    std::memcpy(format.szFaceName, font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE - 1));
    format.bCharSet = font->lfCharSet;
    ApplyCharFormat(format, alsoDefault);
}

bool CStyledEdit::GetFont(CString& name, BYTE& charSet) const
{
    CHARFORMAT format = Format(CFM_FACE | CFM_CHARSET);
    DWORD same = GetSelectionCharFormat(format);
    if ((same & (CFM_FACE | CFM_CHARSET)) != (CFM_FACE | CFM_CHARSET)) return false;
    name = CString(format.szFaceName, int(strnlen(format.szFaceName, LF_FACESIZE)));
    charSet = format.bCharSet;
    return true;
}

void CStyledEdit::SetSize(int points, bool alsoDefault)
{
    CHARFORMAT format = Format(CFM_SIZE);
    format.yHeight = points * 20;
    ApplyCharFormat(format, alsoDefault);
}

int CStyledEdit::GetSize() const
{
    CHARFORMAT format = Format(CFM_SIZE);
    GetSelectionCharFormat(format);
    return int(format.yHeight / 20);
}

void CStyledEdit::SetEffect(DWORD effect, bool on, bool alsoDefault)
{
    CHARFORMAT format = Format(effect);  // the CFM_ and CFE_ bits of the three effects agree
    format.dwEffects = on ? effect : 0;
    ApplyCharFormat(format, alsoDefault);
}

bool CStyledEdit::HasEffect(DWORD effect) const
{
    CHARFORMAT format = Format(effect);
    GetSelectionCharFormat(format);
    return (format.dwEffects & effect) != 0;
}

void CStyledEdit::SetBold(bool on, bool alsoDefault) { SetEffect(CFE_BOLD, on, alsoDefault); }
void CStyledEdit::SetItalic(bool on, bool alsoDefault) { SetEffect(CFE_ITALIC, on, alsoDefault); }
void CStyledEdit::SetUnderline(bool on, bool alsoDefault) { SetEffect(CFE_UNDERLINE, on, alsoDefault); }
bool CStyledEdit::GetBold() const { return HasEffect(CFE_BOLD); }
bool CStyledEdit::GetItalic() const { return HasEffect(CFE_ITALIC); }
bool CStyledEdit::GetUnderline() const { return HasEffect(CFE_UNDERLINE); }

void CStyledEdit::SetAlignment(WORD alignment)
{
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = alignment;
    SetParaFormat(format);
}

WORD CStyledEdit::GetAlignment() const
{
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    format.dwMask = PFM_ALIGNMENT;
    GetParaFormat(format);
    return format.wAlignment;
}

bool CStyledEdit::StreamIn(const CHandle* data, int format)
{
    if (!data || !m_hWnd) return false;
    ReadCursor cursor{data, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&cursor), 0, ReadChunk};
    CRichEditCtrl::StreamIn(format, stream);
    return stream.dwError == 0;
}

bool CStyledEdit::SetData(const CHandle* data)
{
    if (!data) return false;
    return StreamIn(data, IsRtf(data) ? SF_RTF : SF_TEXT);
}

bool CStyledEdit::AppendData(const CHandle* data, bool rtf)
{
    if (!data || !m_hWnd) return false;
    long end = GetTextLength();
    SetSel(end, end);
    return StreamIn(data, (rtf ? SF_RTF : SF_TEXT) | SFF_SELECTION);
}

bool CStyledEdit::GetData(CHandle* data, bool rtf) const
{
    if (!data || !m_hWnd) return false;
    data->Clear();
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(data), 0, WriteChunk};
    const_cast<CStyledEdit*>(this)->CRichEditCtrl::StreamOut(rtf ? SF_RTF : SF_TEXT, stream);
    return stream.dwError == 0;
}

bool CStyledEdit::SetText(const char* text)
{
    CHandle data;
    if (!text || !data.Append(reinterpret_cast<const unsigned char*>(text), uint32_t(std::strlen(text)) + 1)) return false;
    return SetData(&data);
}

void CStyledEdit::GetText(CString& text) const
{
    text.Empty();
    if (!m_hWnd) return;
    GETTEXTLENGTHEX length{GTL_DEFAULT, 1200};
    LRESULT count = SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length));
    if (count <= 0) return;
    std::vector<WCHAR> wide(size_t(count) + 1);
    GETTEXTEX request{};
    request.cb = DWORD(wide.size() * sizeof(WCHAR));
    request.codepage = 1200;
    LRESULT got = SendMessage(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(wide.data()));
    int n = int(std::clamp<LRESULT>(got, 0, count));
    int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return;
    std::string out(size_t(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), n, out.data(), bytes, nullptr, nullptr);
    text = CString(out);
}
