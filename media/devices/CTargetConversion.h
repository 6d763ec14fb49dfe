#pragma once
// A device conversion target: the preferred output of a device family and the limits the
// device accepts (pixel counts, bit rate, smallest video and audio, fixed settings).
#include "CAspectRatioInfo2.h"
#include "CMediaOutput2.h"

// What a target converts to: 1 video (with audio), 2 audio only.
using EMediaType = LONG;
constexpr EMediaType kMediaTypeVideo = 1;
constexpr EMediaType kMediaTypeAudio = 2;

class CTargetConversion : public CMediaOutput2 {
    MV_DECLARE_PERSIST_CLASS(CTargetConversion)
public:
    CTargetConversion();
    CTargetConversion(const CTargetConversion& other) = default;
    CTargetConversion& operator=(const CTargetConversion& other) = default;
    ~CTargetConversion() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Alignments stored below 2 come back as 2.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Index 1 is the minimum output; any other index the preferred one.
    CVideoOutput2* GetVideoOutput(unsigned char index) override;
    CAudioOutput2* GetAudioOutput(unsigned char index) override;
    using CMediaOutput2::GetAudioOutput;
    using CMediaOutput2::GetVideoOutput;

    MV_DECLARE_PROPERTY(PexlowId, LONG, LONG)
    MV_DECLARE_PROPERTY(Platform, const char*, CString)
    MV_DECLARE_PROPERTY(Name, const char*, CString)
    MV_DECLARE_PROPERTY(Notes, const char*, CString)
    MV_DECLARE_PROPERTY(Directory, const char*, CString)
    // Sets which of video and audio the output wants.
    MV_DECLARE_PROPERTY(MediaType, EMediaType, EMediaType)
    MV_DECLARE_PROPERTY(MaxVideoPixels, ULONG, ULONG)
    MV_DECLARE_PROPERTY(MinVideoPixels, ULONG, ULONG)
    MV_DECLARE_PROPERTY(HorizontalAlignment, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(VerticalAlignment, unsigned short, unsigned short)
    MV_DECLARE_PROPERTY(MaxBitrate, ULONG, ULONG)
    MV_DECLARE_PROPERTY(DiscreteVideo, bool, bool)
    MV_DECLARE_PROPERTY(DiscreteFrameRate, bool, bool)
    MV_DECLARE_PROPERTY(DiscreteAudio, bool, bool)
    MV_DECLARE_PROPERTY(CanSync, bool, bool)
    MV_DECLARE_PROPERTY(AutoRotation, bool, bool)

    LONG GetPexlowId() const { return m_pexlowId; }
    const CString& GetPlatform() const { return m_platform; }
    const CString& GetName() const { return m_name; }
    const CString& GetNotes() const { return m_notes; }
    const CString& GetDirectory() const { return m_directory; }
    EMediaType GetMediaType() const { return m_mediaType; }
    // The stored count, or when it is 0 the width times the height of the matching output.
    ULONG GetMaxVideoPixels() const;
    ULONG GetMinVideoPixels() const;
    unsigned short GetHorizontalAlignment() const { return m_horizontalAlignment; }
    unsigned short GetVerticalAlignment() const { return m_verticalAlignment; }
    ULONG GetMaxBitrate() const { return m_maxBitrate; }
    bool GetDiscreteVideo() const { return m_discreteVideo; }
    bool GetDiscreteFrameRate() const { return m_discreteFrameRate; }
    bool GetDiscreteAudio() const { return m_discreteAudio; }
    bool GetCanSync() const { return m_canSync; }
    bool GetAutoRotation() const { return m_autoRotation; }

    CVideoOutput2& GetMinVideoOutput() { return m_minVideo; }
    CAudioOutput2& GetMinAudioOutput() { return m_minAudio; }
    CAspectRatioInfo2& GetAspectRatio() { return m_aspectRatio; }

    static constexpr LONG kPexlowIdChangedNotice = FourCharCode("tarf");
    static constexpr LONG kPlatformChangedNotice = FourCharCode("targ");
    static constexpr LONG kNameChangedNotice = FourCharCode("tarh");
    static constexpr LONG kNotesChangedNotice = FourCharCode("tari");
    static constexpr LONG kDirectoryChangedNotice = FourCharCode("tarj");
    static constexpr LONG kMediaTypeChangedNotice = FourCharCode("tark");
    static constexpr LONG kMaxVideoPixelsChangedNotice = FourCharCode("tarl");
    static constexpr LONG kMinVideoPixelsChangedNotice = FourCharCode("tarm");
    static constexpr LONG kHorizontalAlignmentChangedNotice = FourCharCode("tarn");
    static constexpr LONG kVerticalAlignmentChangedNotice = FourCharCode("taro");
    static constexpr LONG kMaxBitrateChangedNotice = FourCharCode("tarp");
    static constexpr LONG kDiscreteVideoChangedNotice = FourCharCode("tarq");
    static constexpr LONG kDiscreteFrameRateChangedNotice = FourCharCode("tarr");
    static constexpr LONG kDiscreteAudioChangedNotice = FourCharCode("tars");
    static constexpr LONG kCanSyncChangedNotice = FourCharCode("taru");
    static constexpr LONG kAutoRotationChangedNotice = FourCharCode("tarv");
    static constexpr unsigned short kLeastAlignment = 2;

private:
    LONG m_pexlowId = 0;
    CString m_platform;
    CString m_name;
    CString m_notes;
    CString m_directory;
    EMediaType m_mediaType = kMediaTypeVideo;
    ULONG m_maxVideoPixels = 0;
    ULONG m_minVideoPixels = 0;
    unsigned short m_horizontalAlignment = kLeastAlignment;
    unsigned short m_verticalAlignment = kLeastAlignment;
    ULONG m_maxBitrate = 800000;
    bool m_discreteVideo = false;
    bool m_discreteFrameRate = false;
    bool m_discreteAudio = false;
    bool m_canSync = false;
    bool m_autoRotation = false;
    CVideoOutput2 m_minVideo;
    CAudioOutput2 m_minAudio;
    CAspectRatioInfo2 m_aspectRatio;
};
