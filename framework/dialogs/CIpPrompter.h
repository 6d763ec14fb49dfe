#pragma once
// Asks the user for an IPv4 address.
#include "afx/windows/CDialog.h"

class CIpPrompter : public CDialog {
public:
    CIpPrompter();

    // Shows prompt with address (dotted text) preset; on OK address takes the new one.
    static bool Prompt(const char* prompt, CString& address);

    void SetPromptText(const char* text) { m_prompt = text ? text : ""; }
    void SetResponseAddress(const char* address) { m_address = address ? address : ""; }
    const CString& GetResponseAddress() const { return m_address; }

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CString m_prompt;
    CString m_address;
};
