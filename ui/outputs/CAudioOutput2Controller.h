#pragma once
// Edits the audio track of a media output: codec, then sample rate, channels, bits and
// bitrate down the codec's settings tree (or a TV standard's), or automatic settings
// with a quality.
#include "CTrackOutputController.h"

class CAudioCodecBitsPerSample;
class CAudioCodecChannel;
class CAudioCodecInfo;
class CAudioCodecSampleRate;
class CAudioInfo2;
class CAudioOutput2;

class CAudioOutput2Controller : public CTrackOutputController {
public:
    CAudioOutput2Controller();
    ~CAudioOutput2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void SetDefault() override;
    void Refresh() override;
    char* GetText() override;

    void SetOutput(CTrackOutput* track) override;
    bool IsCodecSupported(CCodecInfo* codec, CFormatType* format) override;
    void PopulateBitrateCombo() override;
    void ReflectOutputType() override;
    void ReflectTvType() override;
    void ReflectCodec() override;
    void ReflectBitrate() override;
    CCodecInfo* GetDefaultCodec() override;
    virtual void SetDefaultAutoSetting();
    virtual void SetDefaultSampleRate();
    virtual void SetDefaultChannel();
    virtual void SetDefaultBitsPerSample();
    virtual void SetDefaultBitrate();

    void SetMoreControls(CButton* automatic, CButton* specify, CComboBox* sampleRate, CComboBox* channel,
                         CComboBox* bits);
    void SetMoreStatics(CStatic* settings, CStatic* sampleRate, CStatic* channel, CStatic* bits);
    void SetAudioInfo(CAudioInfo2* info);

    CAudioOutput2* GetAudioOutput() const;
    CAudioCodecInfo* GetAudioCodec();
    // With ignoreTv false, a TV standard's sample rates stand in for the codec's.
    CAudioCodecSampleRate* GetAudioCodecSampleRate(bool ignoreTv);
    CAudioCodecChannel* GetAudioCodecChannel(bool ignoreTv);
    CAudioCodecBitsPerSample* GetAudioCodecBitsPerSample(bool ignoreTv);
    // Moves the values to the codec's nearest entries; the bitrate for the quality, 0 without a codec.
    ULONG FindBestFit(ULONG& rate, unsigned short& channels, unsigned short& bits, int quality);

    void PopulateSampleRateCombo();
    void PopulateChannelCombo();
    void PopulateBitsCombo();
    void ReflectSampleRate();
    void ReflectChannel();
    void ReflectBitsPerSample();
    void ReflectAutoSettings();
    void EnterSampleRate();
    void EnterChannel();
    void EnterBitsPerSample();
    void EnterAutoSettings(bool automatic);

    // The first instance, while it lives.
    static CAudioOutput2Controller* sController;

private:
    bool IsAutomatic() const;
    void FindLameCodec();

    CCodecInfo* m_lame = nullptr;
    CAudioInfo2* m_info = nullptr;
    CButton* m_automatic = nullptr;
    CButton* m_specify = nullptr;
    CComboBox* m_channel = nullptr;
    CComboBox* m_sampleRate = nullptr;
    CComboBox* m_bits = nullptr;
    CStatic* m_settingsLabel = nullptr;
    CStatic* m_sampleRateLabel = nullptr;
    CStatic* m_channelLabel = nullptr;
    CStatic* m_bitsLabel = nullptr;
};
