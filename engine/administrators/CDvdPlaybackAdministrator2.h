#pragma once
// Plays a DVD-Video folder, with its titles, chapters, angles, audio and sub-picture
// streams; every question goes to the DVD input set and has an empty answer without one.
#include "CFilePlaybackAdministrator2.h"

class CDvdInputFilters2;

class CDvdPlaybackAdministrator2 : public CFilePlaybackAdministrator2 {
public:
    enum { kDvdTitleChangedMessage = 899723 };

    CDvdPlaybackAdministrator2() = default;
    ~CDvdPlaybackAdministrator2() override;

    bool CreateInputFilters() override;
    bool CreateProcessingOutputFilters() override { return false; }
    void Reset() override {}

    void SlowPlay();
    unsigned long GetTitleCount();
    unsigned long GetChapterCount(unsigned long title);
    unsigned long GetAngleCount();
    unsigned long GetAngle();
    void SelectAngle(unsigned long angle);
    unsigned long GetAudioStreamCount();
    CString GetAudioStream(unsigned long index);
    unsigned long GetAudioStream();
    void SelectAudioStream(unsigned long stream);
    unsigned long GetSubpicStreamCount();
    CString GetSubpicStream(unsigned long index);
    unsigned long GetSubpicStream();
    void SelectSubpicStream(unsigned long stream);
    bool GetSubpicOn();
    void SetSubpicOn(bool on);
    void PlayTitle(unsigned long title, unsigned long chapter);
    void PlayChapter(unsigned long title, unsigned long chapter);

private:
    CDvdInputFilters2* Dvd() const;
};
