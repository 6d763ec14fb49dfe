#include "CSliceEditPanel.h"

#include "UPanelTemplates.h"

CSliceEditPanel::CSliceEditPanel(unsigned long applicationId, CWnd* parent)
    : CSliceTransportPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, [] { return MakeTemplate(true); });
}
