#pragma once
// Chooses which video preset and which audio preset of its platform a device uses, with
// each preset's notes shown beneath.
#include "CObjectController2.h"

class CComboBox;
class CPortableMediaConversion;
class CStatic;

class CDeviceProfileController : public CObjectController2 {
public:
    CDeviceProfileController();
    ~CDeviceProfileController() override;

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    virtual void PopulateVideoCombo();
    virtual void PopulateAudioCombo();
    virtual void ReflectVideo();
    virtual void ReflectAudio();

    void SetControls(CComboBox* video, CComboBox* audio, CStatic* videoNotes, CStatic* audioNotes);
    void EnterVideo();
    void EnterAudio();

    CPortableMediaConversion* GetConversion() const;

private:
    void Populate(CComboBox* combo, long mediaType);
    void Reflect(CComboBox* combo, CStatic* notes, const char* preset, long mediaType);

    CComboBox* m_video = nullptr;
    CComboBox* m_audio = nullptr;
    CStatic* m_videoNotes = nullptr;
    CStatic* m_audioNotes = nullptr;
};
