#include "CAudioSource2Panel.h"

#include "UCapturePageItems.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CAudioSource2Panel;
    return U::Page(240, 60,
                   {U::Label("Audio Device:", P::kDeviceLabel, 0, 2, 60),
                    UCapturePageItems::Sorted(U::DropList(P::kDevice, 64, 0, 170)),
                    U::Label("Port:", P::kConnectorLabel, 0, 20, 60),
                    U::DropList(P::kConnector, 64, 18, 170),
                    U::Label("Volume:", P::kVolumeLabel, 0, 38, 60),
                    U::Radio("Auto", P::kAuto, 64, 37, 40, true),
                    U::Radio("Manual", P::kManual, 106, 37, 44, false),
                    U::Slider(P::kVolume, 152, 35, 84)});
}
} // namespace

BEGIN_MESSAGE_MAP(CAudioSource2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kDevice, OnDeviceChanged)
    ON_CBN_SELCHANGE(kConnector, OnConnectorChanged)
    ON_BN_CLICKED(kAuto, OnAuto)
    ON_BN_CLICKED(kManual, OnManual)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kVolume, OnVolumeReleased)
END_MESSAGE_MAP()

CAudioSource2Panel::CAudioSource2Panel(bool dvAudio, unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent), m_dvAudio(dvAudio)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&GetAudioController());
}

void CAudioSource2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kDeviceLabel, m_deviceLabel);
    BindIfPresent(this, dx, kDevice, m_device);
    BindIfPresent(this, dx, kConnectorLabel, m_connectorLabel);
    BindIfPresent(this, dx, kConnector, m_connector);
    BindIfPresent(this, dx, kVolumeLabel, m_volumeLabel);
    BindIfPresent(this, dx, kAuto, m_auto);
    BindIfPresent(this, dx, kManual, m_manual);
    BindIfPresent(this, dx, kVolume, m_volume);
}

BOOL CAudioSource2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    UCapturePageItems::Tip(m_auto, "Adjust the sound level automatically");
    UCapturePageItems::Tip(m_manual, "Adjust the sound level manually");
    return TRUE;
}

void CAudioSource2Panel::SetupController()
{
    // Only the bound controller gets the controls: the other one also hears of devices.
    CAudioSource2Controller& controller = GetAudioController();
    controller.SetControls(IfBound(m_device));
    controller.SetMoreControls(IfBound(m_connector), IfBound(m_auto), IfBound(m_manual), IfBound(m_volume));
    controller.SetMoreStatics(IfBound(m_connectorLabel), IfBound(m_volumeLabel));
}

void CAudioSource2Panel::OnDeviceChanged() { GetAudioController().EnterDevice(); }
void CAudioSource2Panel::OnConnectorChanged() { GetAudioController().EnterConnector(); }
void CAudioSource2Panel::OnAuto() { GetAudioController().EnterAutoVolume(true); }
void CAudioSource2Panel::OnManual() { GetAudioController().EnterAutoVolume(false); }

void CAudioSource2Panel::OnVolumeReleased(NMHDR*, LRESULT* result)
{
    GetAudioController().EnterVolume();
    *result = 0;
}
