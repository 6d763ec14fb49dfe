#include "CAudioSource2Controller.h"

#include "CAudioDevicesInfo.h"
#include "CAudioSource2.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

#include <initializer_list>

CAudioSource2Controller::CAudioSource2Controller()
{
    mExpectedType = FourCharCode("asr2");
    if (CAudioDevicesInfo::sInfo) CAudioDevicesInfo::sInfo->AddListener(this);
}

CAudioSource2* CAudioSource2Controller::GetAudioSource() const
{
    return static_cast<CAudioSource2*>(GetObjectA());
}

CDevicesInfo* CAudioSource2Controller::GetDevicesInfo() const
{
    return CAudioDevicesInfo::sInfo;
}

void CAudioSource2Controller::SetMoreControls(CComboBox* connector, CButton* autoVolume, CButton* manual,
                                              CSliderCtrl* volume)
{
    m_connector = connector;
    m_auto = autoVolume;
    m_manual = manual;
    m_volume = volume;
    if (m_volume) m_volume->SetRange(0, 100);
}

void CAudioSource2Controller::SetMoreStatics(CStatic* connectorLabel, CStatic* volumeLabel)
{
    m_connectorLabel = connectorLabel;
    m_volumeLabel = volumeLabel;
}

bool CAudioSource2Controller::ShowDevice(CCaptureDevice2* device)
{
    auto* audio = dynamic_cast<CAudioCaptureDevice2*>(device);
    return audio && audio->IsActivated() && audio->GetConnectorCount() > 0;
}

CAudioCaptureDevice2* CAudioSource2Controller::GetConnectedDevice()
{
    auto* audio = dynamic_cast<CAudioCaptureDevice2*>(GetDevice());
    return audio && audio->GetConnectorCount() > 0 ? audio : nullptr;
}

void CAudioSource2Controller::ReflectDevice()
{
    if (!GetAudioSource()) return;
    CCaptureSource2Controller::ReflectDevice();
    const bool connected = GetConnectedDevice() != nullptr;
    for (CWnd* control : std::initializer_list<CWnd*>{m_connectorLabel, m_connector, m_volumeLabel, m_auto, m_manual})
        UWindowsUtils::ShowWindow(control, connected);
    UWindowsUtils::ShowWindow(m_volume, connected && !GetAudioSource()->GetAutoVolume());
    PopulateConnectorCombo();
    ReflectConnector();
}

void CAudioSource2Controller::PopulateConnectorCombo()
{
    if (!m_connector) return;
    UComboChoices::Clear(m_connector);
    if (CAudioCaptureDevice2* device = GetConnectedDevice())
        for (int i = 0; i < device->GetConnectorCount(); ++i)
            UComboChoices::Add(m_connector, device->GetConnector(i)->GetName());
}

void CAudioSource2Controller::ReflectConnector()
{
    if (GetAudioSource()) UComboChoices::SelectExact(m_connector, GetAudioSource()->GetConnector());
}

void CAudioSource2Controller::ReflectAutoVolume()
{
    CAudioSource2* source = GetAudioSource();
    if (!source) return;
    UWindowsUtils::SetCheck(m_auto, source->GetAutoVolume());
    UWindowsUtils::SetCheck(m_manual, !source->GetAutoVolume());
    // Without a device the volume has nothing to act on, so the slider stays hidden too.
    UWindowsUtils::ShowWindow(m_volume, !source->GetAutoVolume() && GetConnectedDevice());
}

void CAudioSource2Controller::ReflectVolume()
{
    if (!GetAudioSource() || !m_volume) return;
    m_volume->SetPos(GetAudioSource()->GetVolume());
    UWindowsUtils::Refresh(m_volume);
}

void CAudioSource2Controller::EnterConnector()
{
    CString text;
    if (!GetAudioSource() || !UComboChoices::GetSelectedText(m_connector, text)) return;
    if (!GetAudioSource()->SetConnector(text)) ReflectConnector();
}

void CAudioSource2Controller::EnterAutoVolume(bool autoVolume)
{
    if (GetAudioSource() && !GetAudioSource()->SetAutoVolume(autoVolume)) ReflectAutoVolume();
}

void CAudioSource2Controller::EnterVolume()
{
    if (!GetAudioSource() || !m_volume) return;
    const int position = m_volume->GetPos();
    if (!GetAudioSource()->SetVolume(static_cast<unsigned char>(position < 0 ? 0 : position > 100 ? 100 : position)))
        ReflectVolume();
}

void CAudioSource2Controller::SetDefaultConnector()
{
    CAudioSource2* source = GetAudioSource();
    CAudioCaptureDevice2* device = source ? dynamic_cast<CAudioCaptureDevice2*>(GetDevice()) : nullptr;
    if (!device || device->Find(source->GetConnector())) return;
    CAudioCaptureConnector2* connector = device->FindClose("mic");
    if (!connector && device->GetConnectorCount() > 0) connector = device->GetConnector(0);
    if (connector) source->SetConnector(connector->GetName());
}

void CAudioSource2Controller::SetDefault()
{
    CAudioSource2* source = GetAudioSource();
    if (!source) return;
    if (!GetDevice()) {
        CDevicesInfo* devices = GetDevicesInfo();
        CCaptureDevice2* first = devices ? FirstShownDevice(devices) : nullptr;
        source->SetName(first ? first->GetDisplayName() : "");
    }
    SetDefaultConnector();
}

void CAudioSource2Controller::HotPlugAddDevice(CCaptureDevice2*)
{
    if (GetAudioSource() && GetAudioSource()->GetName().IsEmpty()) SetDefault();
    Refresh();
}

void CAudioSource2Controller::HotPlugRemoveDevice(CCaptureDevice2* device)
{
    if (GetAudioSource() && device && GetAudioSource()->GetName() == device->GetDisplayName()) SetDefault();
    Refresh();
}

void CAudioSource2Controller::Refresh()
{
    CCaptureSource2Controller::Refresh();
    PopulateConnectorCombo();
    ReflectConnector();
    ReflectAutoVolume();
    ReflectVolume();
}

char* CAudioSource2Controller::GetText()
{
    CAudioSource2* source = GetAudioSource();
    if (!source) return UStringBuffer::Text("");
    return UStringBuffer::Text(source->GetName() + "-" + source->GetConnector());
}

bool CAudioSource2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CAudioSource2::kConnectorChangedNotice: ReflectConnector(); return true;
    case CAudioSource2::kAutoVolumeChangedNotice: ReflectAutoVolume(); return true;
    case CAudioSource2::kVolumeChangedNotice: ReflectVolume(); return true;
    case CAudioSource2::kNameChangedNotice:
        SetDefaultConnector();
        ReflectDevice();
        return true;
    default: return CCaptureSource2Controller::Respond(code, sender, a, b);
    }
}

bool CAudioSource2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == CDevicesInfo::kDeviceAddedMessage) {
        HotPlugAddDevice(static_cast<CCaptureDevice2*>(const_cast<void*>(q)));
        return true;
    }
    if (message == CDevicesInfo::kDeviceRemovedMessage) {
        HotPlugRemoveDevice(static_cast<CCaptureDevice2*>(const_cast<void*>(q)));
        return true;
    }
    return CCaptureSource2Controller::ListenToMessage(message, p, q);
}
