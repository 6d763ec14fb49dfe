#pragma once
// A modal dialog that shows its pages in one place, without a page combo.
#include "CPanelStack.h"
#include "afx/windows/CDialog.h"
#include "afx/controls/CStatic.h"

class CObjectEditDialog : public CDialog {
public:
    explicit CObjectEditDialog(CWnd* parent);

    // Each derived dialog adds its pages here.
    virtual void SetupPanels() = 0;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    CPanelStack m_stack;
    CStatic m_placeholder;
};
