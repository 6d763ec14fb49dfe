#pragma once
// Asks the user for one line of text.
#include "afx/windows/CDialog.h"

class CPrompter : public CDialog {
public:
    CPrompter();

    // Shows prompt with answer as the initial text; on OK answer takes the edited text.
    static bool Prompt(const char* prompt, CString& answer);

    void SetPromptText(const char* text) { m_prompt = text ? text : ""; }
    void SetResponseText(const char* text) { m_answer = text ? text : ""; }
    const CString& GetResponseText() const { return m_answer; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    CString m_prompt;
    CString m_answer;
};
