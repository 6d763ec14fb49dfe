#pragma once
// The media tag names of the system: each tag id (the three-letter ID3v2.2 frame id)
// with its ID3v2.3 frame id, Windows Media attribute, display name, and the genres.
#include "CLookupList.h"

class CTagMaps {
public:
    CTagMaps();
    CTagMaps(const CTagMaps&) = delete;
    CTagMaps& operator=(const CTagMaps&) = delete;
    virtual ~CTagMaps();

    void AddTag(const char* tag, const char* display, const char* id3, const char* wm,
                const char* qt, const char* rm);
    void AddGenre(const char* number, const char* name);

    // Name to tag id; the empty text when unknown.
    char* GetTagFromId3(const char* name) const { return TagFrom(mId3, name); }
    char* GetTagFromWm(const char* name) const { return TagFrom(mWm, name); }
    char* GetTagFromQt(const char* name) const { return TagFrom(mQt, name); }
    char* GetTagFromRm(const char* name) const { return TagFrom(mRm, name); }
    char* GetTagFromFriendly(const char* name) const { return TagFrom(mDisplay, name); }

    // Tag id to name; the first row wins; the empty text when unknown.
    char* GetId3Text(const char* tag) const { return NameOf(mId3, tag); }
    char* GetWmText(const char* tag) const { return NameOf(mWm, tag); }
    char* GetQtText(const char* tag) const { return NameOf(mQt, tag); }
    char* GetRmText(const char* tag) const { return NameOf(mRm, tag); }
    char* GetFriendlyText(const char* tag) const { return NameOf(mDisplay, tag); }

    int GetFriendlyCount() const { return mDisplay.GetLookupCount(); }
    char* GetFriendly(int index) const;

    char* GetGenreId(const char* name) const { return NameOf(mGenres, name); }
    char* GetGenre(const char* number) const { return TagFrom(mGenres, number); }
    int GetGenreCount() const { return mGenres.GetLookupCount(); }
    char* GetGenre(int index) const;

    // The first instance constructed in the process.
    static CTagMaps* sMaps;

private:
    static char* TagFrom(const CLookupList& map, const char* name);
    static char* NameOf(const CLookupList& map, const char* value);

    CLookupList mId3;
    CLookupList mWm;
    CLookupList mQt;
    CLookupList mRm;
    CLookupList mDisplay;
    CLookupList mGenres;
};
