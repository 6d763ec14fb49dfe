#pragma once
// Edits the video track of a media output: the compressor, the output size and frame rate
// (or the input's), and which encoder-mode page the compressor's modes call for.
#include "CTrackOutputController.h"

class CEntryField;
class CPanel;
class CVideoCodecInfo;
class CVideoCodecSize;
class CVideoInfo2;
class CVideoOutput2;

class CVideoOutput2Controller : public CTrackOutputController {
public:
    CVideoOutput2Controller();
    ~CVideoOutput2Controller() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void SetDefault() override;
    void Refresh() override;
    char* GetText() override;

    void SetOutput(CTrackOutput* track) override;
    // The regulate-timecode box follows the TV standard, not the type's bitrate flags.
    bool AllowBitrate(LONG configureFlag, DWORD flag1) override;
    void ReflectOutputType() override;
    void ReflectTvType() override;
    void ReflectCodec() override;
    CCodecInfo* GetDefaultCodec() override;
    virtual void OnEnable(bool enable);
    virtual void SetDefaultTvType();
    virtual void SetDefaultSize();
    virtual void SetDefaultFrameRate();
    virtual void SetDefaultBitrateType();

    void SetVideoInfo(CVideoInfo2* info);
    void SetMoreControls(CButton* about, CButton* settings, CButton* sameSize, CButton* specifySize, CEntryField* width,
                         CEntryField* height, CComboBox* sizeCombo, CButton* sameRate, CButton* specifyRate,
                         CEntryCombo* rateCombo);
    void SetMoreStatics(CStatic* resolutionLabel, CStatic* xLabel, CStatic* frameRateLabel);
    // The encoder-mode pages: quality, bitrate, quality and bitrate, mode.
    void SetPanels(CPanel* quality, CPanel* bitrate, CPanel* qualityBitrate, CPanel* mode);

    void PopulateSizeCombo();
    void PopulateFrameRateCombo();
    void AddFixedSize(unsigned short width, unsigned short height);
    static CString GetFixedSizeText(int width, int height);
    // "W x H"; false when the text has no "x".
    static bool GetFixedSize(const char* text, int& width, int& height);
    static CString GetFrameRateText(double rate);
    static double GetFrameRate(const char* text);

    bool AllowSettingsDialog();
    bool AllowSameSize();
    bool AllowSameFrameRate();
    bool AllowChangeFrameRate() { return AllowSameFrameRate(); }
    bool AllowChangeRegulateTimecode();

    void ReflectKeepSize();
    void ReflectSize();
    void ReflectWidth();
    void ReflectHeight();
    void ReflectKeepFrameRate();
    void ReflectFrameRate();
    void ReflectBitrateType();
    void EnterKeepSize(bool keep);
    void EnterSize();
    void EnterWidth();
    void EnterHeight();
    void EnterKeepFrameRate(bool keep);
    void EnterFrameRate();
    void EnterFrameRateByEditing();

    void ShowAboutDialog();
    void ShowSettingsDialog();
    void GetDefaultOutputSettings();
    // The size the output should take for the compressor or TV standard; null without one.
    CVideoCodecSize* GetDefaultSize();

    CVideoOutput2* GetVideoOutput() const;
    CVideoCodecInfo* GetVideoCodec();

    static const char* const k23976fpsText;
    static const char* const k24fpsText;
    static const char* const k25fpsText;
    static const char* const k2997fpsText;
    static const char* const k30fpsText;
    static const char* const k5994fpsText;
    static const char* const k60fpsText;

    // The first instance, while it lives.
    static CVideoOutput2Controller* sController;

private:
    // Shows the two size fields or the fixed-size list, as the compressor's sizes allow.
    void ShowSizeControls(bool block);
    void RetargetField(CEntryField*& member, CEntryField* field);
    // The QuickTime compressor keeps its settings in the QuickTime runtime.
    void RunQuickTimeSettings(bool prompt);

    CVideoInfo2* m_info = nullptr;
    CButton* m_about = nullptr;
    CButton* m_settings = nullptr;
    CStatic* m_resolutionLabel = nullptr;
    CButton* m_sameSize = nullptr;
    CButton* m_specifySize = nullptr;
    CStatic* m_xLabel = nullptr;
    CEntryField* m_width = nullptr;
    CEntryField* m_height = nullptr;
    CComboBox* m_sizeCombo = nullptr;
    CStatic* m_frameRateLabel = nullptr;
    CButton* m_sameRate = nullptr;
    CButton* m_specifyRate = nullptr;
    CEntryCombo* m_rateCombo = nullptr;
    CPanel* m_qualityPanel = nullptr;
    CPanel* m_bitratePanel = nullptr;
    CPanel* m_qualityBitratePanel = nullptr;
    CPanel* m_modePanel = nullptr;
};
