#pragma once
// The encoding caps of one device: quality and the video and audio bit-rate ceilings.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CTargetDevice : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CTargetDevice)
public:
    CTargetDevice() = default;
    CTargetDevice(const CTargetDevice& other) = default;
    CTargetDevice& operator=(const CTargetDevice& other) = default;
    ~CTargetDevice() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The nearest multiple of 5 from 5 to 100.
    MV_DECLARE_PROPERTY(Quality, unsigned char, unsigned char)
    // 160000 to 2500000 bits per second.
    MV_DECLARE_PROPERTY(VideoMaxBitrate, ULONG, ULONG)
    // 8000 to 320000 bits per second.
    MV_DECLARE_PROPERTY(AudioMaxBitrate, ULONG, ULONG)

    unsigned char GetQuality() const { return m_quality; }
    ULONG GetVideoMaxBitrate() const { return m_videoMaxBitrate; }
    ULONG GetAudioMaxBitrate() const { return m_audioMaxBitrate; }

    static constexpr LONG kQualityChangedNotice = FourCharCode("tdew");
    static constexpr LONG kVideoMaxBitrateChangedNotice = FourCharCode("tdex");
    static constexpr LONG kAudioMaxBitrateChangedNotice = FourCharCode("tdey");

private:
    unsigned char m_quality = 100;
    ULONG m_videoMaxBitrate = 800000;
    ULONG m_audioMaxBitrate = 192000;
};
