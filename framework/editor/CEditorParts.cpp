#include "CEditorParts.h"

#include "CHandle.h"
#include "win32/controls/CtlMessages.h"
#include "win32/fonts/Font.h"

#include <algorithm>
#include <fstream>
#include <string>

namespace {
constexpr UINT kBitmaps[6][3] = {{10040, 10041, 10042}, {10043, 10044, 10045}, {10046, 10047, 10048},
                                 {10049, 10050, 10051}, {10052, 10053, 10054}, {10055, 10056, 10057}};
} // namespace

void CEditorParts::LoadBitmaps()
{
    for (int i = 0; i < 6; ++i) {
        if (!m_boxes[i].m_hWnd) continue;
        m_boxes[i].LoadBitmaps(kBitmaps[i][0], kBitmaps[i][1], kBitmaps[i][0], kBitmaps[i][0]);
        m_boxes[i].LoadCheckedBitmap(kBitmaps[i][2]);
    }
}

bool CEditorParts::HasSelection() const
{
    long start = 0, end = 0;
    m_edit.GetSel(start, end);
    return start != end;
}

bool CEditorParts::CanUndo() const
{
    return m_edit.SendMessage(EM_CANUNDO) == 1;
}

void CEditorParts::Empty()
{
    SelectAll();
    Clear();
}

void CEditorParts::SetData(CHandle& data)
{
    m_edit.SetData(&data);
    if (data.GetSize() == 0) GetDefault();
    m_edit.SetFocus();
    UpdateControls();
}

void CEditorParts::GetData(CHandle& data, bool rtf)
{
    SetDefault();
    m_edit.GetData(&data, rtf);
}

void CEditorParts::GetDefault()
{
    if (!m_edit.m_hWnd) return;
    m_edit.SetSel(0, -1);
    CString name = m_setting.GetFontName();
    if (const LOGFONTA* font = m_font.m_hWnd ? m_font.GetFontInfo(name, m_setting.GetCharSet()) : nullptr)
        m_edit.SetFont(font, true);
    m_edit.SetSize(m_setting.GetFontSize(), true);
    m_edit.SetBold(m_setting.GetBold(), true);
    m_edit.SetItalic(m_setting.GetItalic(), true);
    m_edit.SetUnderline(m_setting.GetUnderline(), true);
}

void CEditorParts::SetDefault()
{
    if (!m_edit.m_hWnd) return;
    CString name;
    BYTE charSet = 0;
    if (m_edit.GetFont(name, charSet)) {
        m_setting.SetFontName(name);
        m_setting.SetCharSet(charSet);
    }
    m_setting.SetFontSize(m_edit.GetSize());
    m_setting.SetBold(m_edit.GetBold());
    m_setting.SetItalic(m_edit.GetItalic());
    m_setting.SetUnderline(m_edit.GetUnderline());
    m_setting.SetAlignment(m_edit.GetAlignment());
}

void CEditorParts::UpdateControls()
{
    if (!m_edit.m_hWnd) return;
    CString name;
    BYTE charSet = 0;
    if (m_font.m_hWnd) {
        if (m_edit.GetFont(name, charSet)) m_font.SelectFont(name, charSet);
        else m_font.SetCurSel(-1);
    }
    if (m_size.m_hWnd) m_size.Select(m_edit.GetSize());
    const bool states[6] = {m_edit.GetBold(),       m_edit.GetItalic(),       m_edit.GetUnderline(),
                            m_edit.GetLeftAlign(), m_edit.GetCenterAlign(), m_edit.GetRightAlign()};
    for (int i = 0; i < 6; ++i)
        if (m_boxes[i].m_hWnd) m_boxes[i].SetCheck(states[i] ? 1 : 0);
}

void CEditorParts::ApplyTool(int id)
{
    if (!m_edit.m_hWnd) return;
    if (m_font.m_hWnd && id == m_font.GetDlgCtrlID()) {
        if (const LOGFONTA* font = m_font.GetSelectedFontInfo()) m_edit.SetFont(font);
    } else if (m_size.m_hWnd && id == m_size.GetDlgCtrlID()) {
        m_edit.SetSize(m_size.GetSize());
    } else {
        switch (id - kFirstBox) {
        case 0: m_edit.SetBold(!m_edit.GetBold()); break;
        case 1: m_edit.SetItalic(!m_edit.GetItalic()); break;
        case 2: m_edit.SetUnderline(!m_edit.GetUnderline()); break;
        case 3: m_edit.SetLeftAlign(); break;
        case 4: m_edit.SetCenterAlign(); break;
        case 5: m_edit.SetRightAlign(); break;
        default: return;
        }
    }
    m_edit.SetFocus();
    UpdateControls();
}

bool CEditorParts::Import(const char* path)
{
    if (!path || !m_edit.m_hWnd) return false;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    std::streamoff size = file.tellg();
    if (size < 0 || size > kMaxImportBytes) return false;
    file.seekg(0);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (size > 0 && !file.read(bytes.data(), size)) return false;
    if (bytes.rfind("{\\rtf", 0) != 0) {
        // Plain text would end at its first zero byte: a zero shows as the replacement character.
        std::string text;
        text.reserve(bytes.size());
        for (char c : bytes) {
            if (c)
                text.push_back(c);
            else
                text.append("\xef\xbf\xbd");
        }
        bytes.swap(text);
    }
    CHandle data;
    // One byte more, zero-filled, so the text ends with a zero byte.
    if (!data.AppendZero(static_cast<uint32_t>(bytes.size()) + 1)) return false;
    std::copy(bytes.begin(), bytes.end(), data.GetBuffer());
    // No text holds more characters than its file has bytes.
    if (m_edit.GetLimitText() < static_cast<long>(bytes.size())) m_edit.LimitText(static_cast<long>(bytes.size()));
    return m_edit.SetData(&data);
}

bool CEditorParts::Export(const char* path, bool rtf) const
{
    if (!path || !m_edit.m_hWnd) return false;
    CHandle data;
    m_edit.GetData(&data, rtf);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file && data.GetSize() > 0) file.write(reinterpret_cast<const char*>(data.GetBuffer()), data.GetSize());
    return file.good() && file.flush().good();
}
