#include "CDeviceQualityPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CDeviceQualityPanel;
    return U::Page(240, 58,
                   {U::Label("Quality:", -1, 0, 2, 70), U::Slider(P::kQuality, 74, 0, 130),
                    U::Label("Quality", P::kQualityText, 210, 2, 30), U::Label("Max Video Bitrate:", -1, 0, 22, 70),
                    U::DropDown(P::kVideoBitrate, 74, 20, 110), U::Label("Max Audio Bitrate:", -1, 0, 40, 70),
                    U::DropDown(P::kAudioBitrate, 74, 38, 110)});
}
} // namespace

BEGIN_MESSAGE_MAP(CDeviceQualityPanel, CResourceObjectPanel)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kQuality, OnQualityReleased)
    ON_CBN_SELCHANGE(kVideoBitrate, OnVideoBitrateChanged)
    ON_CBN_SELCHANGE(kAudioBitrate, OnAudioBitrateChanged)
END_MESSAGE_MAP()

CDeviceQualityPanel::CDeviceQualityPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CDeviceQualityPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kQuality, m_quality);
    BindIfPresent(this, dx, kQualityText, m_qualityText);
    BindIfPresent(this, dx, kVideoBitrate, m_videoBitrate);
    BindIfPresent(this, dx, kAudioBitrate, m_audioBitrate);
}

void CDeviceQualityPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_quality), IfBound(m_videoBitrate), IfBound(m_audioBitrate));
    m_controller.SetStatics(IfBound(m_qualityText));
}

void CDeviceQualityPanel::OnQualityReleased(NMHDR*, LRESULT* result)
{
    m_controller.EnterQuality();
    *result = 0;
}

void CDeviceQualityPanel::OnVideoBitrateChanged() { m_controller.EnterVideoBitrate(); }
void CDeviceQualityPanel::OnAudioBitrateChanged() { m_controller.EnterAudioBitrate(); }
