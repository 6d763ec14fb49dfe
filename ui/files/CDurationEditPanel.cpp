#include "CDurationEditPanel.h"

#include "UPanelTemplates.h"

CDurationEditPanel::CDurationEditPanel(unsigned long applicationId, CWnd* parent)
    : CSliceTransportPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, [] { return MakeTemplate(false); });
}
