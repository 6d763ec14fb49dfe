#include "CHotKey2Panel.h"

#include "UCapturePageItems.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CHotKey2Panel;
    return U::Page(240, 20,
                   {U::Label("Label:", P::kLabel, 0, 2, 40), U::Check("CTL", P::kCtl, 44, 1, 30),
                    U::Check("ALT", P::kAlt, 78, 1, 30), U::Check("SHIFT", P::kShift, 112, 1, 36),
                    U::DropList(P::kKey, 152, 0, 80)});
}
} // namespace

BEGIN_MESSAGE_MAP(CHotKey2Panel, CResourceObjectPanel)
    ON_BN_CLICKED(kCtl, OnCtl)
    ON_BN_CLICKED(kAlt, OnAlt)
    ON_BN_CLICKED(kShift, OnShift)
    ON_CBN_SELCHANGE(kKey, OnKeyChanged)
END_MESSAGE_MAP()

CHotKey2Panel::CHotKey2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CHotKey2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kLabel, m_label);
    BindIfPresent(this, dx, kCtl, m_ctl);
    BindIfPresent(this, dx, kAlt, m_alt);
    BindIfPresent(this, dx, kShift, m_shift);
    BindIfPresent(this, dx, kKey, m_key);
}

BOOL CHotKey2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    UCapturePageItems::Tip(m_ctl, "Hold the CTRL key down");
    UCapturePageItems::Tip(m_alt, "Hold the ALT key down");
    UCapturePageItems::Tip(m_shift, "Hold the SHIFT key down");
    return TRUE;
}

void CHotKey2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_ctl), IfBound(m_alt), IfBound(m_shift), IfBound(m_key));
}

void CHotKey2Panel::OnCtl() { m_controller.EnterCtl(); }
void CHotKey2Panel::OnAlt() { m_controller.EnterAlt(); }
void CHotKey2Panel::OnShift() { m_controller.EnterShift(); }
void CHotKey2Panel::OnKeyChanged() { m_controller.EnterKeyCode(); }
