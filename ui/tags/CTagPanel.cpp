#include "CTagPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CTagPanel;
    // The genre list and the value field share one place; only one is shown.
    return U::Page(280, 40,
                   {U::Label("Tag:", P::kNameLabel, 0, 2, 40), U::DropList(P::kName, 44, 0, 160),
                    U::Label("Value:", P::kValueLabel, 0, 22, 40),
                    U::Hidden(U::DropList(P::kValueList, 44, 20, 230)), U::Edit(P::kValue, 44, 20, 230)});
}
} // namespace

BEGIN_MESSAGE_MAP(CTagPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kName, OnNameChanged)
    ON_CBN_SELCHANGE(kValueList, OnValueListChanged)
END_MESSAGE_MAP()

CTagPanel::CTagPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CTagPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kNameLabel, m_nameLabel);
    BindIfPresent(this, dx, kName, m_name);
    BindIfPresent(this, dx, kValueLabel, m_valueLabel);
    BindIfPresent(this, dx, kValueList, m_valueList);
    BindIfPresent(this, dx, kValue, m_value);
}

void CTagPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_name), IfBound(m_value), IfBound(m_valueList));
}

void CTagPanel::OnNameChanged() { m_controller.EnterName(); }
void CTagPanel::OnValueListChanged() { m_controller.EnterValue(); }
