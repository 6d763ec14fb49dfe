#pragma once
// Asks the user to choose one text of a list.
#include "afx/windows/CDialog.h"
#include "afx/controls/CListBox.h"

#include <vector>

class CSelector : public CDialog {
public:
    CSelector();

    void SetTitle(const char* title) { m_title = title ? title : ""; }
    void SetPromptText(const char* text) { m_prompt = text ? text : ""; }
    // Appends a choice; a selected one also becomes the answer.
    void AddSelection(const char* text, bool selected);
    // True when closed with OK on a chosen item.
    bool Prompt();
    const CString& GetResponseText() const { return m_answer; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    void OnDoubleClick();
    DECLARE_MESSAGE_MAP()

private:
    CString m_title = "Select";
    CString m_prompt;
    std::vector<CString> m_pending;
    CString m_answer;
    CListBox m_list;
};
