#pragma once
// A captioned, collapsible holder of pages: collapsed, its caption line sums up its
// pages' settings, in red while one of them reports invalid data.
#include "CBitmapCheckBox.h"
#include "CColorStatic.h"
#include "CPanel.h"
#include "CPanelInfo.h"
#include "CWindowLocator.h"

class CExpandPanel : public CPanel, public CPanelInfo {
public:
    explicit CExpandPanel(CWnd* parent);

    void SetIndentX(int indent) { m_indentX = indent; }
    void SetIndentY(int indent) { m_indentY = indent; }

    void AddChildPanel(CPanel* panel) override;
    // Ask the manager to open or close this panel.
    void Expand();
    void Collaps();
    // What the manager does.
    void ExpandSelf();
    void CollapsSelf();
    bool IsExpanded() const { return m_expanded; }

    // Lays the enabled pages out below the caption line.
    void Arrange();
    // The panel's extent: up to the content bottom when expanded, else the caption line.
    CRect GetExpanderRect(bool expanded);
    using CPanelInfo::GetText;
    // Caption, a blank and the pages' summaries joined by ", ".
    CString GetText(bool& valid);
    void ShowText();

    bool ListenToMessage(long message, const void* p, const void* q) override;
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    int GetChildTop() const { return m_childTop; }
    int GetContentBottom() const { return m_contentBottom; }

protected:
    void OnButtonClicked();
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    CWindowLocator m_locator;
    CBitmapCheckBox m_button;
    CStatic m_placeholder;
    CColorStatic m_caption;
    int m_indentX = 4;
    int m_indentY = 4;
    int m_childTop = 0;
    int m_contentBottom = 0;
    int m_widest = 0;
    bool m_expanded = false;
};
