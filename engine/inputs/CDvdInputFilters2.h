#pragma once
// Plays a DVD through the DVD navigator, with title, chapter, angle, audio-stream and
// sub-picture control. Titles and chapters count from 0 here and from 1 on the disc.
#include "CFileInputFilters2.h"
#include "win32/WinTypes.h"

class CDvdNavigatorFilter;
struct IDvdInfo2;

class CDvdInputFilters2 : public CFileInputFilters2 {
public:
    explicit CDvdInputFilters2(CDirectShowGraph* graph = nullptr);

    bool CreateInput() override;

    // Each answers 0, false or an empty text while there is no navigator.
    unsigned long GetTitleCount();
    unsigned long GetChapterCount(unsigned long title);
    unsigned long GetAngleCount();
    unsigned long GetAudioStreamCount();
    CString GetAudioStream(unsigned long index);
    unsigned long GetSubpicStreamCount();
    CString GetSubpicStream(unsigned long index);
    unsigned long GetAngle();
    unsigned long GetAudioStream();
    unsigned long GetSubpicStream();
    bool GetSupicOn();

    // Each does nothing while there is no navigator.
    void SelectAngle(unsigned long angle);
    void SelectAudioStream(unsigned long stream);
    void SelectSubpicStream(unsigned long stream);
    void SetSubpicOn(bool on);
    void PlayTitle(unsigned long title, unsigned long chapterCount);
    void PlayChapter(unsigned long title, unsigned long chapter);
    void SlowPlay();

    static constexpr int kMaxLanguageName = 128;

private:
    struct SCurrent;
    CDvdNavigatorFilter* Navigator() const;
    SCurrent Current(HRESULT (IDvdInfo2::*query)(ULONG*, ULONG*)) const;
    SCurrent CurrentSubpicture() const;
    CString Language(HRESULT (IDvdInfo2::*query)(ULONG, LCID*), unsigned long index) const;
};
