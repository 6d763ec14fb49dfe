#include "CVideoModePanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CVideoModePanel;
    // The mode names the bitrate kind here, so the bitrate's caption stays plain.
    return U::Page(240, 58,
                   {U::Label("Mode:", P::kModeLabel, 0, 2, 70), U::DropList(P::kMode, 74, 0, 110),
                    U::Label("Bitrate:", -1, 0, 20, 70), U::DropDown(P::kBitrate, 74, 18, 110),
                    U::Label("Quality:", -1, 0, 38, 70), U::Slider(P::kQuality, 74, 36, 130),
                    U::Label("100", P::kQualityValue, 210, 38, 30)});
}
} // namespace

BEGIN_MESSAGE_MAP(CVideoModePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kMode, OnModeChanged)
    ON_CBN_SELCHANGE(kBitrate, OnBitrateChanged)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kQuality, OnQualityReleased)
END_MESSAGE_MAP()

CVideoModePanel::CVideoModePanel(unsigned long applicationId, CWnd* parent)
    : CVideoModePanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7086}, MakeTemplate);
}

CVideoModePanel::CVideoModePanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(baseTemplate, applicationId, parent)
{
    SetController(&m_controller);
}

void CVideoModePanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kModeLabel, m_modeLabel);
    BindIfPresent(this, dx, kMode, m_mode);
    BindIfPresent(this, dx, kBitrateLabel, m_bitrateLabel);
    BindIfPresent(this, dx, kBitrate, m_bitrate);
    BindIfPresent(this, dx, kQualityLabel, m_qualityLabel);
    BindIfPresent(this, dx, kQuality, m_quality);
    BindIfPresent(this, dx, kQualityValue, m_qualityValue);
}

void CVideoModePanel::SetupController()
{
    m_controller.SetControls(IfBound(m_mode), IfBound(m_bitrate), IfBound(m_quality));
    m_controller.SetStatic(IfBound(m_bitrateLabel), IfBound(m_qualityValue));
}

void CVideoModePanel::OnModeChanged() { m_controller.EnterBitrateType(); }
void CVideoModePanel::OnBitrateChanged() { m_controller.EnterBitrate(); }

void CVideoModePanel::OnQualityReleased(NMHDR*, LRESULT* result)
{
    m_controller.EnterQuality();
    *result = 0;
}
