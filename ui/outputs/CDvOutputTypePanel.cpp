#include "CDvOutputTypePanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CDvOutputTypePanel;
    return U::Page(285, 123, {U::Label("File Type:", P::kTypeLabel, 0, 2, 60), U::DropList(P::kTypeList, 64, 0, 160)});
}
} // namespace

BEGIN_MESSAGE_MAP(CDvOutputTypePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kTypeList, OnTypeChanged)
END_MESSAGE_MAP()

CDvOutputTypePanel::CDvOutputTypePanel(unsigned long applicationId, CWnd* parent)
    : TOutputTypePanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7069}, MakeTemplate);
}

void CDvOutputTypePanel::OnTypeChanged() { m_controller.EnterSplitterType(); }
