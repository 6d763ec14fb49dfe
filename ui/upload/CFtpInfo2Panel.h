#pragma once
// The FTP account page: server, path, user name, password, port and passive mode.
#include "CEntryField.h"
#include "CFtpInfo2Controller.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"

class CFtpInfo2Panel : public CResourceObjectPanel {
public:
    CFtpInfo2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    BOOL OnInitDialog() override;

    enum : int {
        kServer = 11193,
        kPath1 = 11180,
        kUserName = 11197,
        kPassword = 11199,
        kPort = 11201,
        kPassive = 11195,
    };
    static constexpr unsigned kTemplate = 7040;

protected:
    void OnPassive();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_server;
    CEntryField m_path1;
    CEntryField m_userName;
    CEntryField m_password;
    CEntryField m_port;
    CTooltipButton m_passive;
    CFtpInfo2Controller m_controller;
};
