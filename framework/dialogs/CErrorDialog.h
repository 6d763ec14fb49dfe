#pragma once
// A modal error box framed in red; without an OK caption it can only be cancelled.
#include "afx/windows/CDialog.h"

class CErrorDialog : public CDialog {
public:
    CErrorDialog();

    // True when closed with OK.
    static bool Prompt(const char* text, const char* okCaption = nullptr);
    void SetText(const char* text) { m_text = text ? text : ""; }
    void SetButtonText(const char* caption) { m_okCaption = caption ? caption : ""; }

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    CString m_text;
    CString m_okCaption;
};
