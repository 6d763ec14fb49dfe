#pragma once
// Edits one conversion preset field by field, and switches the preset dialog's output pages
// on and off by the preset's media type: a video preset shows the video pages, an audio
// preset the audio ones.
#include "CObjectController2.h"

class CButton;
class CComboBox;
class CEntryField;
class CObjectPanel;
class CTargetConversion;

class CTargetConversionController : public CObjectController2 {
public:
    // The dependent pages, in the order SetPanels takes them.
    enum EPage : int {
        kVideoTypePage,
        kAudioTypePage,
        kTvPage,
        kWmPage,
        kRealPage,
        kMaxVideoPage,
        kMaxModePage,
        kMaxQualityPage,
        kMaxBitratePage,
        kMaxQualityBitratePage,
        kVideoComplexityPage,
        kFrameRatePage,
        kMaxAudioPage,
        kAudioComplexityPage,
        kMinVideoPage,
        kMinModePage,
        kMinQualityPage,
        kMinBitratePage,
        kMinQualityBitratePage,
        kMinAudioPage,
        kPageCount
    };

    CTargetConversionController();
    ~CTargetConversionController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    // Any may be null.
    void SetControls(CEntryField* platform, CEntryField* name, CEntryField* notes, CEntryField* directory,
                     CComboBox* media, CEntryField* maxPixels, CEntryField* minPixels,
                     CEntryField* horizontalAlignment, CEntryField* verticalAlignment, CEntryField* maxBitrate,
                     CButton* discreteResolution, CButton* discreteFrameRate, CButton* autoRotation,
                     CButton* discreteAudio);
    void SetPanels(CObjectPanel* videoType, CObjectPanel* audioType, CObjectPanel* tv, CObjectPanel* wm,
                   CObjectPanel* real, CObjectPanel* maxVideo, CObjectPanel* maxMode, CObjectPanel* maxQuality,
                   CObjectPanel* maxBitrate, CObjectPanel* maxQualityBitrate, CObjectPanel* videoComplexity,
                   CObjectPanel* frameRate, CObjectPanel* maxAudio, CObjectPanel* audioComplexity,
                   CObjectPanel* minVideo, CObjectPanel* minMode, CObjectPanel* minQuality, CObjectPanel* minBitrate,
                   CObjectPanel* minQualityBitrate, CObjectPanel* minAudio);
    CObjectPanel* GetPanel(EPage page) const { return m_panels[page]; }

    void SetupPanels();
    void ResetPanels();
    void SetupVideoPanels();
    void SetupAudioPanels();
    void PopulateMedia();

    void ReflectPlatform();
    void ReflectName();
    void ReflectNotes();
    void ReflectDirectory();
    void ReflectMedia();
    void ReflectMaxVideoPixels();
    void ReflectMinVideoPixels();
    void ReflectHorizontalAlignment();
    void ReflectVerticalAlignment();
    void ReflectMaxBitrate();
    void ReflectDiscreteVideo();
    void ReflectDiscreteFrameRate();
    void ReflectAutoRotation();
    void ReflectDiscreteAudio();

    void EnterPlatform();
    void EnterName();
    void EnterNotes();
    void EnterDirectory();
    void EnterMedia();
    void EnterMaxVideoPixels();
    void EnterMinVideoPixels();
    void EnterHorizontalAlignment();
    void EnterVerticalAlignment();
    void EnterMaxBitrate();
    void EnterDiscreteVideo();
    void EnterDiscreteFrameRate();
    void EnterAutoRotation();
    void EnterDiscreteAudio();

    CTargetConversion* GetTargetConversion() const;

private:
    using Reflect = void (CTargetConversionController::*)();
    void EnterText(CEntryField* field, bool (CTargetConversion::*set)(const char*), Reflect reflect);
    template <class V>
    void EnterNumber(CEntryField* field, bool (CTargetConversion::*set)(V), Reflect reflect);
    void EnterFlag(CButton* check, bool (CTargetConversion::*set)(bool), Reflect reflect);
    void Bind(EPage page, CPersistObject* object);
    void Enable(EPage page);

    CEntryField* m_platform = nullptr;
    CEntryField* m_name = nullptr;
    CEntryField* m_notes = nullptr;
    CEntryField* m_directory = nullptr;
    CComboBox* m_media = nullptr;
    CEntryField* m_maxPixels = nullptr;
    CEntryField* m_minPixels = nullptr;
    CEntryField* m_horizontalAlignment = nullptr;
    CEntryField* m_verticalAlignment = nullptr;
    CEntryField* m_maxBitrate = nullptr;
    CButton* m_discreteResolution = nullptr;
    CButton* m_discreteFrameRate = nullptr;
    CButton* m_autoRotation = nullptr;
    CButton* m_discreteAudio = nullptr;
    CObjectPanel* m_panels[kPageCount] = {};
};
