#include "CEditPanel.h"

#include "CHandle.h"
#include "UDialogTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/RichEdit.h"

namespace {
constexpr UINT kTemplate = 10012;
constexpr int kEdit = CEditorParts::kEdit;
constexpr int kFont = 10067;
constexpr int kSize = 10068;
constexpr int kFirstBox = CEditorParts::kFirstBox;

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
    ON_CONTROL(EN_MAXTEXT, kEdit, OnMaxText)
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
    LoadBitmaps();
    CStyledEdit& edit = m_edit;
    edit.ModifyStyleEx(WS_EX_NOPARENTNOTIFY, 0);
    edit.SetEventMask(ENM_SELCHANGE | ENM_CHANGE);
    m_locator.SetWindow(&edit);
    m_font.LoadFonts();
    m_size.LoadSizes();
    GetDefault();
    UpdateControls();
    edit.LimitText(CStyledEdit::kTextLimit);
    edit.SetFocus();
    return FALSE;
}

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

void CEditPanel::OnTool(UINT id)
{
    ApplyTool(static_cast<int>(id));
}

void CEditPanel::OnSelChange(NMHDR*, LRESULT* result)
{
    UpdateControls();
    *result = 0;
}

void CEditPanel::OnMaxText()
{
    CString text;
    text.Format("The editor holds at most %ld characters. The rest of the text was left out.", m_edit.GetLimitText());
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
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
