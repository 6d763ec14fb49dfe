#include "CVideoKeyFramePanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoKeyFramePanel;
    return U::Page(240, 40,
                   {U::Label("Key Frame:", P::kKeyFrameLabel, 0, 2, 60),
                    U::Edit(P::kKeyFrame, 64, 0, 50),
                    U::Label("Latency:", P::kLatencyLabel, 0, 20, 60),
                    U::Edit(P::kLatency, 64, 18, 50)});
}
} // namespace

CVideoKeyFramePanel::CVideoKeyFramePanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7107}, MakeTemplate);
    SetController(&m_controller);
}

void CVideoKeyFramePanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kKeyFrameLabel, m_keyFrameLabel);
    BindIfPresent(this, dx, kKeyFrame, m_keyFrame);
    BindIfPresent(this, dx, kLatencyLabel, m_latencyLabel);
    BindIfPresent(this, dx, kLatency, m_latency);
}

void CVideoKeyFramePanel::SetupController()
{
    m_controller.SetControls(IfBound(m_keyFrame), IfBound(m_latency));
}
