#include "CFtpInfo2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CFtpInfo2Panel;
    return U::Page(260, 96,
                   {U::Label("Server: ftp://", -1, 0, 2, 60), U::Edit(P::kServer, 64, 0, 190),
                    U::Label("File Path:", -1, 0, 20, 60), U::Edit(P::kPath1, 64, 18, 190),
                    U::Label("User Name:", -1, 0, 38, 60), U::Edit(P::kUserName, 64, 36, 190),
                    U::Label("Password:", -1, 0, 56, 60), U::Edit(P::kPassword, 64, 54, 190),
                    U::Label("Port:", -1, 0, 74, 60), U::Edit(P::kPort, 64, 72, 50),
                    U::Check("Passive", P::kPassive, 130, 74, 60)});
}
} // namespace

BEGIN_MESSAGE_MAP(CFtpInfo2Panel, CResourceObjectPanel)
    ON_BN_CLICKED(kPassive, OnPassive)
END_MESSAGE_MAP()

CFtpInfo2Panel::CFtpInfo2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CFtpInfo2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kServer, m_server);
    BindIfPresent(this, dx, kPath1, m_path1);
    BindIfPresent(this, dx, kUserName, m_userName);
    BindIfPresent(this, dx, kPassword, m_password);
    BindIfPresent(this, dx, kPort, m_port);
    BindIfPresent(this, dx, kPassive, m_passive);
}

BOOL CFtpInfo2Panel::OnInitDialog()
{
    const BOOL result = CResourceObjectPanel::OnInitDialog();
    if (m_passive.GetSafeHwnd()) m_passive.SetTooltipText("PASV setting for the FTP server");
    return result;
}

void CFtpInfo2Panel::SetupController()
{
    // Paths 2 to 4 have no field on this page.
    m_controller.SetControls(IfBound(m_server), IfBound(m_userName), IfBound(m_password), IfBound(m_port),
                             IfBound(m_passive), IfBound(m_path1), nullptr, nullptr, nullptr);
}

void CFtpInfo2Panel::OnPassive()
{
    m_controller.EnterPassive();
}
