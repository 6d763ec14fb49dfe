#include "CExpandPanel.h"

#include "UDialogTemplates.h"
#include "UWindowsUtils.h"
#include "afx/windows/CDataExchange.h"
#include "afx/gdi/CPaintDC.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CtlMessages.h"

#include <algorithm>

namespace {
constexpr UINT kTemplate = 10011;
constexpr int kButton = 10077;
constexpr int kPlaceholder = 10028;
constexpr int kCaption = 10027;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    MvDialogTemplate t = U::Make("", 302, 22,
                                 {U::Item("Button", "More Settings", kButton, BS_OWNERDRAW | WS_TABSTOP,
                                          3, 1, 11, 9),
                                  U::Item("Static", "Setting Text", kCaption, 0, 17, 1, 277, 8),
                                  U::Item("Static", "Details", kPlaceholder, 0, 4, 11, 287, 8)});
    t.style = WS_CHILD | DS_CONTROL;
    return t;
}
} // namespace

BEGIN_MESSAGE_MAP(CExpandPanel, CPanel)
    ON_BN_CLICKED(kButton, OnButtonClicked)
    ON_WM_SIZE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CExpandPanel::CExpandPanel(CWnd* parent) : CPanel(kTemplate, parent)
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_locator.SetLeft(0);
    m_locator.SetRight(255);
    m_locator.SetTop(0);
    m_locator.SetBottom(0);
}

void CExpandPanel::DoDataExchange(CDataExchange* dx)
{
    CPanel::DoDataExchange(dx);
    DDX_Control(dx, kButton, m_button);
    DDX_Control(dx, kPlaceholder, m_placeholder);
    DDX_Control(dx, kCaption, m_caption);
}

BOOL CExpandPanel::OnInitDialog()
{
    CPanel::OnInitDialog();
    m_button.LoadBitmaps(10060, 10061, 10062, 10063);
    m_button.LoadCheckedBitmap(10064);
    m_placeholder.ShowWindow(SW_HIDE);
    CRect place;
    UWindowsUtils::GetInParentRect(&m_placeholder, place);
    m_childTop = m_contentBottom = place.top;
    m_caption.SetTextColor(kRed);
    CRect button;
    UWindowsUtils::GetInParentRect(&m_button, button);
    m_button.MoveWindow(m_indentX, button.top, button.Width(), button.Height());
    m_locator.SetWindow(&m_caption);
    return TRUE;
}

void CExpandPanel::AddChildPanel(CPanel* panel)
{
    CPanelInfo::AddChildPanel(panel);
    if (panel) Arrange();
}

void CExpandPanel::Expand()
{
    Broadcast(kPanelExpandMessage, static_cast<CPanel*>(this), nullptr);
}

void CExpandPanel::Collaps()
{
    Broadcast(kPanelCollapseMessage, static_cast<CPanel*>(this), nullptr);
}

void CExpandPanel::ExpandSelf()
{
    m_expanded = true;
    if (m_button.m_hWnd) m_button.SetCheck(1);
    Arrange();
    ShowText();
}

void CExpandPanel::CollapsSelf()
{
    m_expanded = false;
    if (m_button.m_hWnd) m_button.SetCheck(0);
    Show(false);
    ShowText();
}

void CExpandPanel::Arrange()
{
    int y = m_childTop;
    m_contentBottom = m_childTop;
    CRect client;
    if (m_hWnd) GetClientRect(&client);
    for (int i = 0; i < GetChildCount(); ++i) {
        CPanel* child = GetChild(i);
        if (!child->IsEnabled()) {
            if (child->m_hWnd) child->ShowWindow(SW_HIDE);
            continue;
        }
        int height = child->GetNativeRect().Height();
        int width = client.Width() - 2 * m_indentX;
        if (child->m_hWnd) child->MoveWindow(m_indentX, y, width, height);
        m_widest = std::max(m_widest, width + 2 * m_indentX);
        m_contentBottom = std::max(m_contentBottom, y + height + m_indentY);
        y += height + 3;
        if (child->m_hWnd) child->ShowWindow(SW_SHOW);
    }
    ShowText();
}

CRect CExpandPanel::GetExpanderRect(bool expanded)
{
    CRect native = GetNativeRect();
    return CRect(native.left, native.top, std::max(static_cast<int>(native.right), m_widest),
                 expanded ? m_contentBottom : m_childTop);
}

CString CExpandPanel::GetText(bool& valid)
{
    valid = true;
    CString text = m_text + " ";
    bool first = true;
    for (int i = 0; i < GetChildCount(); ++i) {
        CPanel* child = GetChild(i);
        if (!child->IsEnabled()) continue;
        bool childValid = true;
        CString detail = child->GetDetailedText(childValid);
        if (!childValid) valid = false;
        if (detail.IsEmpty()) continue;
        if (!first) text += ", ";
        text += detail;
        first = false;
    }
    return text;
}

void CExpandPanel::ShowText()
{
    if (!m_caption.m_hWnd) return;
    if (m_expanded) {
        m_caption.SetTextColor(kBlack);
        UWindowsUtils::SetWindowTextA(&m_caption, m_text);
        return;
    }
    bool valid = true;
    CString text = GetText(valid);
    m_caption.SetTextColor(valid ? kBlack : kRed);
    UWindowsUtils::SetWindowTextA(&m_caption, text);
}

bool CExpandPanel::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case kPanelExpandMessage:
        // A page that holds a rejected value opens its panel.
        Expand();
        return true;
    case kPanelEnabledChangedMessage:
        Arrange();
        Broadcast(kPanelEnabledChangedMessage, nullptr, nullptr);
        return true;
    case kPanelObjectChangedMessage:
        if (!m_expanded) Broadcast(kPanelObjectChangedMessage, nullptr, nullptr);
        return true;
    default:
        return CPanelInfo::ListenToMessage(message, p, q);
    }
}

void CExpandPanel::OnButtonClicked()
{
    if (m_expanded) Collaps();
    else Expand();
}

void CExpandPanel::OnSize(UINT type, int cx, int cy)
{
    CPanel::OnSize(type, cx, cy);
    m_locator.Move();
    Arrange();
}

void CExpandPanel::OnPaint()
{
    CPaintDC dc(this);
    bool first = true;
    for (int i = 0; i < GetChildCount(); ++i) {
        CPanel* child = GetChild(i);
        if (!child->IsEnabled() || !child->m_hWnd) continue;
        if (first) {
            first = false;
            continue;
        }
        CRect r;
        UWindowsUtils::GetInParentRect(child, r);
        CRect line(-1, r.top - 2, r.right + m_indentY + 999, 999);
        dc.DrawFocusRect(&line);
    }
}
