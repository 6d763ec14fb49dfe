#include "UEditFormat.h"

#include "CBitmapCheckBox.h"
#include "CFontCombo.h"
#include "CFontSizeCombo.h"
#include "CHandle.h"
#include "CStyledEdit.h"
#include "CTextSetting.h"
#include "win32/Font.h"

#include <fstream>

namespace {
constexpr UINT kBitmaps[6][3] = {{10040, 10041, 10042}, {10043, 10044, 10045}, {10046, 10047, 10048},
                                 {10049, 10050, 10051}, {10052, 10053, 10054}, {10055, 10056, 10057}};
} // namespace

void UEditFormat::LoadBitmaps(const Tools& tools)
{
    for (int i = 0; i < 6; ++i) {
        CBitmapCheckBox* box = tools.boxes[i];
        if (!box || !box->m_hWnd) continue;
        box->LoadBitmaps(kBitmaps[i][0], kBitmaps[i][1], kBitmaps[i][0], kBitmaps[i][0]);
        box->LoadCheckedBitmap(kBitmaps[i][2]);
    }
}

void UEditFormat::GetDefault(CStyledEdit& edit, CFontCombo& fonts, CTextSetting& setting)
{
    edit.SetSel(0, -1);
    CString name = setting.GetFontName();
    if (const LOGFONTA* font = fonts.GetFontInfo(name, setting.GetCharSet())) edit.SetFont(font, true);
    edit.SetSize(setting.GetFontSize(), true);
    edit.SetBold(setting.GetBold(), true);
    edit.SetItalic(setting.GetItalic(), true);
    edit.SetUnderline(setting.GetUnderline(), true);
}

void UEditFormat::SetDefault(CStyledEdit& edit, CTextSetting& setting)
{
    CString name;
    BYTE charSet = 0;
    if (edit.GetFont(name, charSet)) {
        setting.SetFontName(name);
        setting.SetCharSet(charSet);
    }
    setting.SetFontSize(edit.GetSize());
    setting.SetBold(edit.GetBold());
    setting.SetItalic(edit.GetItalic());
    setting.SetUnderline(edit.GetUnderline());
    setting.SetAlignment(edit.GetAlignment());
}

void UEditFormat::UpdateControls(CStyledEdit& edit, const Tools& tools)
{
    if (!edit.m_hWnd) return;
    CString name;
    BYTE charSet = 0;
    if (tools.font && tools.font->m_hWnd) {
        if (edit.GetFont(name, charSet)) tools.font->SelectFont(name, charSet);
        else tools.font->SetCurSel(-1);
    }
    if (tools.size && tools.size->m_hWnd) tools.size->Select(edit.GetSize());
    const bool states[6] = {edit.GetBold(),       edit.GetItalic(),       edit.GetUnderline(),
                            edit.GetLeftAlign(), edit.GetCenterAlign(), edit.GetRightAlign()};
    for (int i = 0; i < 6; ++i)
        if (tools.boxes[i] && tools.boxes[i]->m_hWnd) tools.boxes[i]->SetCheck(states[i] ? 1 : 0);
}

void UEditFormat::ApplyTool(CStyledEdit& edit, const Tools& tools, int id)
{
    if (tools.font && id == tools.font->GetDlgCtrlID()) {
        if (const LOGFONTA* font = tools.font->GetSelectedFontInfo()) edit.SetFont(font);
    } else if (tools.size && id == tools.size->GetDlgCtrlID()) {
        edit.SetSize(tools.size->GetSize());
    } else {
        switch (id - kFirstBox) {
        case 0: edit.SetBold(!edit.GetBold()); break;
        case 1: edit.SetItalic(!edit.GetItalic()); break;
        case 2: edit.SetUnderline(!edit.GetUnderline()); break;
        case 3: edit.SetLeftAlign(!edit.GetLeftAlign()); break;
        case 4: edit.SetCenterAlign(!edit.GetCenterAlign()); break;
        case 5: edit.SetRightAlign(!edit.GetRightAlign()); break;
        default: return;
        }
    }
    edit.SetFocus();
    UpdateControls(edit, tools);
}

bool UEditFormat::Import(CStyledEdit& edit, const char* path)
{
    if (!path) return false;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return false;
    std::streamoff size = file.tellg();
    if (size < 0 || size > kMaxImportBytes) return false;
    file.seekg(0);
    CHandle data;
    // One byte more, zero-filled, so the text ends with a zero byte.
    if (!data.AppendZero(static_cast<uint32_t>(size) + 1)) return false;
    if (size > 0 && !file.read(reinterpret_cast<char*>(data.GetBuffer()), size)) return false;
    return edit.SetData(&data);
}

bool UEditFormat::Export(const CStyledEdit& edit, const char* path, bool rtf)
{
    if (!path) return false;
    CHandle data;
    edit.GetData(&data, rtf);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    if (data.GetSize() > 0) file.write(reinterpret_cast<const char*>(data.GetBuffer()), data.GetSize());
    return static_cast<bool>(file);
}
