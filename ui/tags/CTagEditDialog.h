#pragma once
// Edits a copy of one tag in a modal dialog; the caller takes the copy back on OK.
#include "CNamedValue.h"
#include "CObjectEditDialog.h"
#include "CStackPanelInfo.h"
#include "CTagPanel.h"

class CTagEditDialog : public CObjectEditDialog {
public:
    explicit CTagEditDialog(CWnd* parent);
    ~CTagEditDialog() override;

    void SetData(CNamedValue& tag);
    CNamedValue& GetData() { return m_tag; }
    CTagPanel& GetPanel() { return m_panel; }

    void SetupPanels() override;

private:
    CNamedValue m_tag;
    CStackPanelInfo m_page;
    CTagPanel m_panel;
};
