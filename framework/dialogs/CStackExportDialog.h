#pragma once
// The paged modal dialog of the export and settings dialogs: pages chosen from a
// combo (in free flow) or stepped with Previous and Next, finished with OK.
#include "CPanelStack.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/windows/CDialog.h"
#include "afx/controls/CStatic.h"

class CStackExportDialog : public CDialog {
public:
    explicit CStackExportDialog(CWnd* parent);

    // Before the dialog is shown: whether the page combo can be used.
    void SetFreeFlow(bool freeFlow) { m_freeFlow = freeFlow; }

    virtual void SetupPanels() {}
    virtual bool MayPrevious() { return true; }
    virtual bool CanPrevious() { return true; }
    virtual bool CanNext() { return true; }
    virtual bool CanOk() { return true; }
    virtual bool OnPrevious() { return true; }
    virtual bool OnNext() { return true; }
    // False keeps the dialog open.
    virtual bool OnFinish() { return true; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    CPanelStack& GetStack() { return m_stack; }

protected:
    void UpdateButtons();
    void OnPageChanged();
    void OnPreviousClicked();
    void OnNextClicked();

    DECLARE_MESSAGE_MAP()

    bool m_freeFlow = true;
    CPanelStack m_stack;
    CButton m_ok;
    CButton m_previous;
    CButton m_next;
    CComboBox m_pages;
    CStatic m_placeholder;
};
