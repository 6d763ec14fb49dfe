#include "CEditPanel.h"

#include "CHandle.h"
#include "UDialogTemplates.h"
#include "afx/CDataExchange.h"
#include "afx/MessageMap.h"
#include "win32/CtlMessages.h"
#include "win32/RichEdit.h"

namespace {
constexpr UINT kTemplate = 10012;
constexpr int kEdit = 10078;
constexpr int kFont = 10067;
constexpr int kSize = 10068;
constexpr int kFirstBox = UEditFormat::kFirstBox;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    std::vector<MvDialogItem> items = {
        U::Item("RichEdit20a", "", kEdit,
                WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_NOHIDESEL | WS_TABSTOP, 0, 18, 349, 207),
        U::Item("Static", "Font", 10033, 0, 3, 3, 25, 8),
        U::Item("ComboBox", "", kFont,
                CBS_SORT | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 35, 2, 118,
                110),
        U::Item("Static", "Size", 10034, 0, 155, 3, 25, 8),
        U::Item("ComboBox", "", kSize, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 186, 1, 41, 111)};
    const char* names[6] = {"Bold", "Italic", "Underline", "Align Left", "Align Center", "Align Right"};
    const short xs[6] = {235, 252, 269, 294, 311, 328};
    for (int i = 0; i < 6; ++i)
        items.push_back(U::Item("Button", names[i], kFirstBox + i, BS_OWNERDRAW | WS_TABSTOP, xs[i], 1, 15, 14));
    MvDialogTemplate t = U::Make("", 350, 225, std::move(items));
    t.style = WS_CHILD | DS_CONTROL;
    return t;
}
} // namespace

BEGIN_MESSAGE_MAP(CEditPanel, CPanel)
    ON_CONTROL_RANGE(CBN_SELCHANGE, kFont, kSize, OnTool)
    ON_CONTROL_RANGE(BN_CLICKED, kFirstBox, kFirstBox + 5, OnTool)
    ON_NOTIFY(EN_SELCHANGE, kEdit, OnSelChange)
    ON_WM_SIZE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CEditPanel::CEditPanel(CWnd* parent) : CPanel(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_locator.SetLeft(0);
    m_locator.SetRight(256);
    m_locator.SetTop(0);
    m_locator.SetBottom(256);
}

UEditFormat::Tools CEditPanel::Tools()
{
    return {&m_font, &m_size, {&m_boxes[0], &m_boxes[1], &m_boxes[2], &m_boxes[3], &m_boxes[4], &m_boxes[5]}};
}

void CEditPanel::DoDataExchange(CDataExchange* dx)
{
    CPanel::DoDataExchange(dx);
    DDX_Control(dx, kEdit, m_edit);
    DDX_Control(dx, kFont, m_font);
    DDX_Control(dx, kSize, m_size);
    for (int i = 0; i < 6; ++i) DDX_Control(dx, kFirstBox + i, m_boxes[i]);
}

BOOL CEditPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    UEditFormat::LoadBitmaps(Tools());
    m_edit.ModifyStyleEx(WS_EX_NOPARENTNOTIFY, 0);
    m_edit.SetEventMask(ENM_SELCHANGE | ENM_CHANGE);
    m_locator.SetWindow(&m_edit);
    m_font.LoadFonts();
    m_size.LoadSizes();
    GetDefault();
    UpdateControls();
    m_edit.LimitText(CStyledEdit::kTextLimit);
    m_edit.SetFocus();
    return FALSE;
}

bool CEditPanel::HasSelection() const
{
    long start = 0, end = 0;
    m_edit.GetSel(start, end);
    return start != end;
}

void CEditPanel::Copy() { m_edit.Copy(); }
void CEditPanel::Clear() { m_edit.Clear(); }
void CEditPanel::Paste() { m_edit.Paste(); }
void CEditPanel::Undo() { m_edit.Undo(); }
bool CEditPanel::CanPaste() const { return m_edit.CanPaste() != FALSE; }
bool CEditPanel::CanUndo() const { return m_edit.SendMessage(EM_CANUNDO) == 1; }
void CEditPanel::SelectAll() { m_edit.SetSel(0, -1); }

void CEditPanel::Empty()
{
    SelectAll();
    Clear();
}

void CEditPanel::ReadyToEdit() { m_edit.SetFocus(); }
void CEditPanel::SetReadOnly(bool readOnly) { m_edit.SetReadOnly(readOnly); }

void CEditPanel::Select(unsigned long pos, unsigned long len)
{
    m_edit.SetSel(static_cast<long>(pos), static_cast<long>(pos + len));
}

CString CEditPanel::GetText() const
{
    CString text;
    m_edit.GetText(text);
    return text;
}

CString CEditPanel::GetTextFromCursor(long& start) const
{
    long end = 0;
    m_edit.GetSel(start, end);
    if (start == end) {
        CString text;
        m_edit.GetTextRange(static_cast<int>(start), static_cast<int>(m_edit.GetTextLength()), text);
        return text;
    }
    return m_edit.GetSelText();
}

void CEditPanel::SetData(CHandle& data)
{
    m_edit.SetData(&data);
    if (data.GetSize() == 0) GetDefault();
    m_edit.SetFocus();
    UpdateControls();
}

void CEditPanel::GetData(CHandle& data, bool rtf)
{
    SetDefault();
    m_edit.GetData(&data, rtf);
}

void CEditPanel::GetDefault()
{
    if (m_edit.m_hWnd) UEditFormat::GetDefault(m_edit, m_font, m_setting);
}

void CEditPanel::SetDefault()
{
    if (m_edit.m_hWnd) UEditFormat::SetDefault(m_edit, m_setting);
}

void CEditPanel::Import(const char* path)
{
    UEditFormat::Import(m_edit, path);
}

void CEditPanel::Export(const char* path, bool rtf)
{
    UEditFormat::Export(m_edit, path, rtf);
}

void CEditPanel::UpdateControls()
{
    UEditFormat::UpdateControls(m_edit, Tools());
}

void CEditPanel::OnTool(UINT id)
{
    UEditFormat::ApplyTool(m_edit, Tools(), static_cast<int>(id));
}

void CEditPanel::OnSelChange(NMHDR*, LRESULT* result)
{
    UpdateControls();
    *result = 0;
}

void CEditPanel::OnSize(UINT type, int cx, int cy)
{
    CPanel::OnSize(type, cx, cy);
    m_locator.Move();
}

void CEditPanel::OnClose()
{
    SetDefault();
    CPanel::OnClose();
}

void CEditPanel::OnDestroy()
{
    SetDefault();
    CPanel::OnDestroy();
}
