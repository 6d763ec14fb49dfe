#pragma once
// Edits one queued device conversion: video or audio only, the source's aspect ratio, the
// audio and subtitle tracks used, and the output file name. A choice that changes what the
// output must look like is decided again at once by the attached format decision.
#include "CObjectController2.h"
#include "afx/CString.h"

class CAspectRatioInfo2;
class CButton;
class CComboBox;
class CEntryCombo;
class CEntryField;
class CFormatDecision;
class CMediaConversionData;
class CMediaFile2;
class CMediaOutput2;
class CPersistFile2;
class CStatic;

class CQuorlanController : public CObjectController2 {
public:
    CQuorlanController();
    ~CQuorlanController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetObjectSelf(CPersistObject* object) override;
    void Refresh() override;
    char* GetText() override;

    virtual void SetOutput(CMediaOutput2* output);
    virtual void SetInput(CMediaFile2* input);
    virtual void SetAspectRatio(CAspectRatioInfo2* ratio);
    virtual void SetFile(CPersistFile2* file);

    void SetControls(CComboBox* type, CEntryCombo* aspect, CButton* reset, CComboBox* audio, CButton* subtitleCheck,
                     CComboBox* subtitle, CEntryField* fileName);
    void SetStatics(CStatic* aspectLabel, CStatic* audioLabel);
    void SetFormatDecision(CFormatDecision* decision) { m_decision = decision; }

    static CString GetAspectRatioText(double ratio);
    static double GetAspectRatio(const char* text);
    static CString GetAudioText(unsigned char track);
    static CString GetSubtitleText(unsigned char track);
    static unsigned char GetAudio(const char* text);
    static unsigned char GetSubtitle(const char* text);

    void PopulateTypeCombo();
    void PopulateAspectRatioCombo();
    void PopulateAudioCombo();
    void PopulateSubtitleCombo();
    void ReflectType();
    void ReflectAspectRatio();
    void ReflectAudio();
    void ReflectEnableSubtitle();
    void ReflectSubtitle();
    void ReflectFileName();
    void EnterType();
    void EnterAspectRatio();
    void EnterAspectRatioByEditing();
    void ResetAspectRatio();
    void EnterAudio();
    void EnterEnableSubtitle();
    void EnterSubtitle();
    void EnterFileName();

    CMediaConversionData* GetConversion() const;
    CMediaOutput2* GetOutput() const { return m_output; }
    CMediaFile2* GetInput() const { return m_input; }
    CAspectRatioInfo2* GetAspectRatioInfo() const { return m_ratio; }
    CPersistFile2* GetFile() const { return m_file; }

private:
    bool ShowsVideo() const;
    void ReflectResetButton();
    void EnterInputRatio(double ratio);
    // A changed choice is decided again; an unchanged one is shown again from the record.
    void Decide(bool changed, void (CQuorlanController::*reflect)());

    CMediaOutput2* m_output = nullptr;
    CMediaFile2* m_input = nullptr;
    CAspectRatioInfo2* m_ratio = nullptr;
    CPersistFile2* m_file = nullptr;
    CComboBox* m_type = nullptr;
    CEntryCombo* m_aspect = nullptr;
    CButton* m_reset = nullptr;
    CComboBox* m_audio = nullptr;
    CButton* m_subtitleCheck = nullptr;
    CComboBox* m_subtitle = nullptr;
    CEntryField* m_fileName = nullptr;
    CStatic* m_aspectLabel = nullptr;
    CStatic* m_audioLabel = nullptr;
    CFormatDecision* m_decision = nullptr;
};
