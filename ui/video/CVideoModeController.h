#pragma once
// Edits how the video compressor controls its output: by quality, by a bitrate (constant,
// variable with a target, variable with a peak) or by both.
#include "CObjectController2.h"
#include "EMediaOutput.h"
#include "afx/CString.h"

class CCodecInfo;
class CCodecsInfo;
class CComboBox;
class CEntryCombo;
class CFormatType;
class CMediaOutput2;
class CSliderCtrl;
class CStatic;
class CTrackOutput;

class CVideoModeController : public CObjectController2 {
public:
    CVideoModeController();
    ~CVideoModeController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void Refresh() override;

    virtual void SetOutput(CTrackOutput* track);
    virtual void PopulateBitrateTypeCombo();
    virtual void PopulateBitrateCombo();
    virtual void ReflectOutputType();
    virtual void ReflectBitrateType();
    virtual void ReflectBitrate();
    virtual void ReflectQuality();
    virtual void EnterBitrateType();
    virtual void EnterBitrate();
    virtual void EnterBitrateByEdit();
    virtual void EnterQuality();

    // Any may be null.
    void SetControls(CComboBox* mode, CEntryCombo* bitrate, CSliderCtrl* quality);
    void SetStatic(CStatic* bitrateLabel, CStatic* qualityValue);

    CCodecInfo* GetCodec();
    void AddBitrateType(EEncoderControl mode);
    static CString GetBitrateTypeText(EEncoderControl mode);
    static CString GetBitrateLabelText(EEncoderControl mode);
    void AddBitrateChoice(ULONG bitsPerSecond);
    static CString GetBitrateText(ULONG bitsPerSecond);
    // Whether the compressor supports the mode and the text names it.
    bool CheckBitrateType(EEncoderControl mode, const char* text);
    // The leading number of the text, in kb/sec.
    static ULONG GetBitrate(const char* text);
    ESplitterType GetSplitterType() const;
    CFormatType* GetFormat() const;
    CMediaOutput2* GetMediaOutput() const;
    CTrackOutput* GetTrackOutput() const { return m_track; }
    // Picks the edited video output of the media output (1 the minimum one).
    void SetOutputFlag(unsigned char selector) { m_selector = selector; }

private:
    CCodecsInfo* m_catalogue = nullptr;
    unsigned char m_selector = 0;
    CTrackOutput* m_track = nullptr;
    CComboBox* m_mode = nullptr;
    CEntryCombo* m_bitrate = nullptr;
    CSliderCtrl* m_quality = nullptr;
    CStatic* m_bitrateLabel = nullptr;
    CStatic* m_qualityValue = nullptr;
};
