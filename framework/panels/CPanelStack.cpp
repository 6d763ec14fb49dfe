#include "CPanelStack.h"

#include "CPanel.h"
#include "CStackPanelInfo.h"
#include "UWindowsUtils.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

#include <cstring>

CPanelStack::~CPanelStack()
{
    Reset();
}

void CPanelStack::SetWindows(CWnd* host, CComboBox* combo, CStatic* placeholder)
{
    m_host = host;
    m_combo = combo && combo->m_hWnd ? combo : nullptr;
    m_placeholder = placeholder;
}

void CPanelStack::AddPanel(CStackPanelInfo* page, CPanel* panel, const char* caption)
{
    if (!page || !panel) return;
    panel->CreateInWindow(m_host);
    UWindowsUtils::ReplaceWindow(panel, m_placeholder);
    page->AddChildPanel(panel);
    page->SetText(caption);
    page->AddListener(this);
    m_pages.Add(page);
}

CStackPanelInfo* CPanelStack::Find(const char* caption) const
{
    if (!caption) return nullptr;
    for (int i = 0; i < GetPageCount(); ++i)
        if (std::strcmp(GetPage(i)->GetText(), caption) == 0) return GetPage(i);
    return nullptr;
}

CString CPanelStack::GetSelectedText(int index) const
{
    CString text;
    if (m_combo && index >= 0 && index < m_combo->GetCount()) m_combo->GetLBText(index, text);
    return text;
}

void CPanelStack::Arrange()
{
    if (m_combo) {
        int cursor = 0;
        CString current = GetSelectedText(0);
        for (int i = 0; i < GetPageCount(); ++i) {
            CStackPanelInfo* page = GetPage(i);
            const CString& caption = page->GetText();
            if (caption.IsEmpty()) continue;
            if (page->PanelsEnabled()) {
                if (current.IsEmpty()) {
                    m_combo->AddString(caption);
                } else if (caption == current) {
                    current = GetSelectedText(++cursor);
                } else {
                    m_combo->InsertString(cursor++, caption);
                }
            } else if (caption == current) {
                m_combo->DeleteString(static_cast<UINT>(cursor));
                current = GetSelectedText(cursor);
            }
        }
    }
    First();
    Select();
}

void CPanelStack::First()
{
    if (m_combo && m_combo->GetCurSel() == CB_ERR) m_combo->SetCurSel(0);
}

void CPanelStack::Select()
{
    CStackPanelInfo* chosen = nullptr;
    if (m_combo) {
        int selection = m_combo->GetCurSel();
        if (selection == CB_ERR) return;
        chosen = Find(GetSelectedText(selection));
    } else if (GetPageCount() > 0) {
        chosen = GetPage(0);
    }
    if (!chosen) return;
    for (int i = 0; i < GetPageCount(); ++i) GetPage(i)->Show(GetPage(i) == chosen);
}

bool CPanelStack::CanPrevious() const
{
    return m_combo && m_combo->GetCurSel() > 0;
}

bool CPanelStack::CanNext() const
{
    return m_combo && m_combo->GetCurSel() < m_combo->GetCount() - 1;
}

void CPanelStack::Previous()
{
    if (!CanPrevious()) return;
    m_combo->SetCurSel(m_combo->GetCurSel() - 1);
    Select();
}

void CPanelStack::Next()
{
    if (!CanNext()) return;
    m_combo->SetCurSel(m_combo->GetCurSel() + 1);
    Select();
}

void CPanelStack::Reset()
{
    for (int i = 0; i < GetPageCount(); ++i) GetPage(i)->RemoveListener(this);
    m_pages.RemoveAll();
}

bool CPanelStack::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kPanelEnabledChangedMessage) Arrange();
    if (message == kBroadcasterDyingMessage)
        for (int i = 0; i < GetPageCount(); ++i)
            if (static_cast<const CBroadcaster*>(GetPage(i)) == p) m_pages.RemoveAt(i--);
    return CListener::ListenToMessage(message, p, q);
}
