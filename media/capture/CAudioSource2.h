#pragma once
// An audio capture device with its input line and recording volume.
#include "CCaptureSource2.h"
#include "MvMediaProperty.h"

class CAudioSource2 : public CCaptureSource2 {
    MV_DECLARE_PERSIST_CLASS(CAudioSource2)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Connector, const char*, CString)
    MV_DECLARE_PROPERTY(AutoVolume, bool, bool)
    // Above 100 becomes 100.
    MV_DECLARE_PROPERTY(Volume, unsigned char, unsigned char)

    const CString& GetConnector() const { return m_connector; }
    bool GetAutoVolume() const { return m_autoVolume; }
    unsigned char GetVolume() const { return m_volume; }

    static constexpr LONG kConnectorChangedNotice = FourCharCode("asr4");
    static constexpr LONG kAutoVolumeChangedNotice = FourCharCode("asr5");
    static constexpr LONG kVolumeChangedNotice = FourCharCode("asr6");

private:
    CString m_connector;
    bool m_autoVolume = true;
    unsigned char m_volume = 50;
};
