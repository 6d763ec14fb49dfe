#pragma once
// A yes/no question that the user can answer once for the rest of a batch.
#include "afx/windows/CDialog.h"

class CRepeatPrompter : public CDialog {
public:
    explicit CRepeatPrompter(CWnd* parent = nullptr);

    // Asks again for every question from now on.
    void Reset();
    // True for Yes; once "Apply to All" was ticked, the last answer without asking.
    bool Prompt(const char* question, bool showApplyToAll);

    BOOL OnInitDialog() override;

protected:
    void OnYes();
    void OnNo();
    void OnApplyToAll();
    DECLARE_MESSAGE_MAP()

private:
    CString m_question;
    bool m_showBox = true;
    bool m_applyToAll = false;
    bool m_lastAnswer = false;
};
