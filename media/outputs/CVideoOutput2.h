#pragma once
// The video track of an output: its format, what to keep of the input, key frames and
// the chosen encoder's own settings bytes.
#include "CPersistHandle.h"
#include "CTrackOutput.h"
#include "CVideoInfo2.h"

class CVideoOutput2 : public CTrackOutput {
    MV_DECLARE_PERSIST_CLASS(CVideoOutput2)
public:
    CVideoOutput2();

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Renames the encoders whose names changed.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // A grey-scale output is always re-encoded.
    bool ValidateRemux(bool remux) override;
    // The settings bytes belong to one encoder.
    void SideEffectDisplayNameChanged() override;

    MV_DECLARE_PROPERTY(KeepSize, bool, bool)
    MV_DECLARE_PROPERTY(KeepFrameRate, bool, bool)
    MV_DECLARE_PROPERTY(GreyScale, bool, bool)
    MV_DECLARE_PROPERTY(VideoMode, EVideoMode, EVideoMode)
    MV_DECLARE_PROPERTY(KeyFrame, ULONG, ULONG)
    MV_DECLARE_PROPERTY(Latency, unsigned short, unsigned short)

    CVideoInfo2& GetVideoInfo() { return m_info; }
    const CVideoInfo2& GetVideoInfo() const { return m_info; }
    bool GetKeepSize() const { return m_keepSize; }
    bool GetKeepFrameRate() const { return m_keepFrameRate; }
    bool GetGreyScale() const { return m_greyScale; }
    EVideoMode GetVideoMode() const { return m_videoMode; }
    ULONG GetKeyFrame() const { return m_keyFrame; }
    unsigned short GetLatency() const { return m_latency; }

    // Replace the settings bytes and always announce it.
    void SetSettings(const unsigned char* data, unsigned long length);
    void SetSettings(const CHandle& settings);
    CHandle& GetSettings() { return m_settings.GetData(); }

    // Presets size and frame rate for a disc format and television system.
    void ShortCut(EDiscType disc, ETvType tv, int size);

    static constexpr LONG kKeepSizeChangedNotice = FourCharCode("vop3");
    static constexpr LONG kKeepFrameRateChangedNotice = FourCharCode("vop4");
    static constexpr LONG kGreyScaleChangedNotice = FourCharCode("vop:");
    static constexpr LONG kVideoModeChangedNotice = FourCharCode("vop8");
    static constexpr LONG kKeyFrameChangedNotice = FourCharCode("vop6");
    static constexpr LONG kLatencyChangedNotice = FourCharCode("vop9");
    static constexpr LONG kSettingsChangedNotice = FourCharCode("vop7");

private:
    CVideoInfo2 m_info;
    bool m_keepSize = true;
    bool m_keepFrameRate = true;
    bool m_greyScale = false;
    EVideoMode m_videoMode = 0;
    ULONG m_keyFrame = 15;
    unsigned short m_latency = 4;
    CPersistHandle m_settings;
};
