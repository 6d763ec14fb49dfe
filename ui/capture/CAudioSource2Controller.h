#pragma once
// Chooses the audio capture device of an audio source, its input connector and its
// recording volume, and keeps the choice valid while devices are plugged in and removed.
#include "CCaptureSource2Controller.h"

class CAudioCaptureDevice2;
class CAudioSource2;
class CButton;
class CSliderCtrl;
class CStatic;

class CAudioSource2Controller : public CCaptureSource2Controller {
public:
    CAudioSource2Controller();

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override;
    void Refresh() override;
    char* GetText() override;
    bool ShowDevice(CCaptureDevice2* device) override;
    void ReflectDevice() override;
    CDevicesInfo* GetDevicesInfo() const override;

    virtual void PopulateConnectorCombo();
    virtual void SetDefaultConnector();
    virtual void HotPlugAddDevice(CCaptureDevice2* device);
    virtual void HotPlugRemoveDevice(CCaptureDevice2* device);

    void SetMoreControls(CComboBox* connector, CButton* autoVolume, CButton* manual, CSliderCtrl* volume);
    void SetMoreStatics(CStatic* connectorLabel, CStatic* volumeLabel);

    void ReflectConnector();
    void ReflectAutoVolume();
    void ReflectVolume();
    void EnterConnector();
    void EnterAutoVolume(bool autoVolume);
    void EnterVolume();

    CAudioSource2* GetAudioSource() const;

protected:
    // The chosen device when it is an audio capture device with connectors.
    CAudioCaptureDevice2* GetConnectedDevice();

private:
    CStatic* m_connectorLabel = nullptr;
    CComboBox* m_connector = nullptr;
    CStatic* m_volumeLabel = nullptr;
    CButton* m_auto = nullptr;
    CButton* m_manual = nullptr;
    CSliderCtrl* m_volume = nullptr;
};
