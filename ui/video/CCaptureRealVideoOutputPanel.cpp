#include "CCaptureRealVideoOutputPanel.h"

#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    return UPanelTemplates::Page(285, 20, {});
}
} // namespace

CCaptureRealVideoOutputPanel::CCaptureRealVideoOutputPanel(unsigned long applicationId, CWnd* parent)
    : CVideoOutput2Panel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
}
