#pragma once
// Still images shown one after another, each for some seconds, with an optional sound
// track; a job turns it into a video.
#include "CMediaFile2.h"
#include "TRecordList.h"

class CSlideInfo2;

using ESlideDuration = LONG;

class CSlideShow2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CSlideShow2)
public:
    CSlideShow2();

    // Key "duration option": how the slides' durations are chosen.
    bool GetEnumText(const char* field, CEnumMap& map) override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only slides, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Fitting the slides to the sound track needs a sound track.
    MV_DECLARE_PROPERTY(DurationType, ESlideDuration, ESlideDuration)
    // At least a frame at 30 per second; passed on to every slide.
    MV_DECLARE_PROPERTY(SlideDuration, double, double)

    ESlideDuration GetDurationType() const { return m_durationType; }
    double GetSlideDuration() const { return m_slideDuration; }
    CMediaFile2& GetAudioFile() { return m_audioFile; }

    // The list takes the slide, which gets the show's slide duration; an index out of
    // range appends.
    void AddSlideAt(CSlideInfo2* slide, int index);
    // The list takes the slide with its own duration.
    void AddSlide(CSlideInfo2* slide);
    // Takes the slide out and deletes it.
    void RemoveSlide(CSlideInfo2* slide);
    int GetSlideCount() const { return m_slides.Count(); }
    CSlideInfo2* GetSlide(int index) const;
    int GetSlideIndex(const CSlideInfo2* slide) const;
    CPersistList& GetSlides() { return m_slides.List(); }

    static constexpr ESlideDuration kSlideDurationSame = 1;
    static constexpr LONG kDurationTypeChangedNotice = FourCharCode("slsh");
    static constexpr LONG kSlideDurationChangedNotice = FourCharCode("slsi");

private:
    ESlideDuration m_durationType = kSlideDurationSame;
    double m_slideDuration = 3;
    TRecordList<CSlideInfo2> m_slides;
    CMediaFile2 m_audioFile;
};
