#pragma once
// Base of the controllers that edit one track of a media output: the encoder by name,
// bitrate, quality and the regulate-timecode flag, offered from a codec catalogue.
#include "CObjectController2.h"
#include "EMediaOutput.h"
#include "afx/CString.h"

class CButton;
class CCodecInfo;
class CCodecsInfo;
class CComboBox;
class CEntryCombo;
class CFormatType;
class CMediaOutput2;
class CSliderCtrl;
class CStatic;
class CTrackOutput;
class CTvCodecOption;

class CTrackOutputController : public CObjectController2 {
public:
    CTrackOutputController();
    ~CTrackOutputController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override;
    void Refresh() override;

    virtual void SetOutput(CTrackOutput* track);
    virtual void PopulateCodecCombo();
    virtual bool IsCodecSupported(CCodecInfo* codec, CFormatType* format);
    virtual void PopulateBitrateCombo() {}
    virtual bool AllowBitrate(LONG configureFlag, DWORD flag1);
    virtual void ReflectOutputType();
    virtual void ReflectTvType() {}
    virtual void ReflectCodec();
    virtual void ReflectBitrate();
    virtual void ReflectQuality();
    virtual void ReflectRegulateTimecode();
    virtual void EnterCodec();
    virtual void EnterCodecByEditing();
    virtual void EnterBitrate();
    virtual void EnterQuality();
    virtual void EnterRegulateTimecode();
    virtual void SetDefaultCodec();
    virtual CCodecInfo* GetCloseMatchCodec();
    virtual CCodecInfo* GetDefaultCodec();

    // Any may be null.
    void SetControls(CEntryCombo* codec, CComboBox* bitrate, CSliderCtrl* quality, CButton* regulateTimecode);
    void SetStatic(CStatic* bitrateLabel, CStatic* qualityLabel, CStatic* qualityValue);
    void SetDisableButton(CButton* button);
    void SetOutputFlag(unsigned char selector) { m_selector = selector; }
    unsigned char GetOutputFlag() const { return m_selector; }

    CMediaOutput2* GetMediaOutput() const;
    CTrackOutput* GetTrackOutput() const { return m_track; }
    CCodecInfo* GetCodec();
    CFormatType* GetFormat() const;
    ESplitterType GetSplitterType() const;
    CTvCodecOption* GetTvOption() const;
    void AddBitrateChoice(ULONG bitsPerSecond);
    static CString GetBitrateText(ULONG bitsPerSecond);
    // Marks the current codec unusable for the current output type.
    void DisableCodec();

protected:
    CCodecsInfo* m_catalogue = nullptr;
    unsigned char m_selector = 0;
    CTrackOutput* m_track = nullptr;
    CEntryCombo* m_codec = nullptr;
    CStatic* m_bitrateLabel = nullptr;
    CComboBox* m_bitrate = nullptr;
    CStatic* m_qualityLabel = nullptr;
    CSliderCtrl* m_quality = nullptr;
    CStatic* m_qualityValue = nullptr;
    CButton* m_regulateTimecode = nullptr;
    CButton* m_disable = nullptr;
};
