#include "CTagMaps.h"

#include "UStringBuffer.h"

#include <cstdio>

CTagMaps* CTagMaps::sMaps = nullptr;

namespace {

struct TagRow {
    const char* tag;
    const char* display;
    const char* id3;
    const char* wm;
};

// QuickTime and RealMedia have no names in any row.
constexpr TagRow kTagRows[] = {
    {"TP1", "Artist", "TPE1", "Author"},
    {"TCR", "Copyright", "TCOP", "Copyright"},
    {"WCP", "Copyright URL", "WCOP", "CopyrightURL"},
    {"COM", "Comments", "COMM", "Description"},
    {"TT2", "Title", "TIT2", "Title"},
    {"TP2", "Album Artist", "TPE2", "WM/AlbumArtist"},
    {"TAL", "Album Title", "TALB", "WM/AlbumTitle"},
    {"WAF", "Audio File URL", "WOAF", "WM/AudioFileURL"},
    {"WAS", "Audio Source URL", "WOAS", "WM/AudioSourceURL"},
    {"WAR", "Arist URL", "WOAR", "WM/AuthorURL"},
    {"COM", nullptr, nullptr, "WM/Comments"},
    {"TCM", "Composer", "TCOM", "WM/Composer"},
    {"TP3", "Conductor", "TPE3", "WM/Conductor"},
    {"TT1", "Content Group", "TIT1", "WM/ContentGroupDescription"},
    {"TCO", "Genre", "TCON", "WM/Genre"},
    {"TCO", nullptr, nullptr, "WM/GenreID"},
    {"TLA", "Language", "TLAN", "WM/Language"},
    {"TOT", "Original Album", "TOAL", "WM/OriginalAlbumTitle"},
    {"TOA", "Original Artist", "TOPE", "WM/OriginalArtist"},
    {"TOF", "Original File", "TOFN", "WM/OriginalFilename"},
    {"TOL", "Original Lyricist", "TOLY", "WM/OriginalLyricist"},
    {"TOR", "Original Release Year", "TORY", "WM/OriginalReleaseYear"},
    {"TPA", "Part of Set", "TPOS", "WM/PartOfSet"},
    {"TPB", "Publisher", "TPUB", "WM/Publisher"},
    {"TRN", "Radio Station", "TRSN", "WM/RadioStationName"},
    {"TRO", "Radio Station Owner", "TRSO", "WM/RadioStationOwner"},
    {"TT3", "Sub Title", "TIT3", "WM/SubTitle"},
    {"TRK", "Track Number", "TRCK", "WM/TrackNumber"},
    {"TXT", "Writer", "TEXT", "WM/Writer"},
    {"TYE", "Year", "TYER", "WM/Year"},
};

// Numbered 0 to 125: ID3v1's list, then its common extension from 80 on.
constexpr const char* kGenres[] = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop",
    "Jazz", "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap",
    "Reggae", "Rock", "Techno", "Industrial", "Alternative", "Ska", "Death Metal", "Pranks",
    "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion", "Trance",
    "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise",
    "AlternRock", "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop",
    "Instrumental Rock", "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic",
    "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40",
    "Christian Rap", "Pop/Funk", "Jungle", "Native American", "Cabaret", "New Wave",
    "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal", "Acid Punk", "Acid Jazz",
    "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock",
    // 80 on
    "Folk", "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival",
    "Celtic", "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock",
    "Symphonic Rock", "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour",
    "Speech", "Chanson", "Opera", "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus",
    "Porn Groove", "Satire", "Slow Jam", "Club", "Tango", "Samba", "Folklore", "Ballad",
    "Power Ballad", "Rhythmic Soul", "Freestyle", "Duet", "Punk Rock", "Drum Solo", "A capella",
    "Euro-House", "Dance Hall",
};
static_assert(sizeof(kGenres) / sizeof(kGenres[0]) == 126);

char* EmptyText()
{
    return UStringBuffer::Text("");
}

} // namespace

CTagMaps::CTagMaps()
{
    for (const TagRow& row : kTagRows)
        AddTag(row.tag, row.display, row.id3, row.wm, nullptr, nullptr);

    int number = 0;
    for (const char* genre : kGenres) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", number++);
        AddGenre(text, genre);
    }
    AddGenre("RX", "Remix");
    AddGenre("CR", "Cover");

    if (!sMaps)
        sMaps = this;
}

CTagMaps::~CTagMaps()
{
    if (sMaps == this)
        sMaps = nullptr;
}

void CTagMaps::AddTag(const char* tag, const char* display, const char* id3, const char* wm,
                      const char* qt, const char* rm)
{
    if (!tag)
        return;
    const struct {
        CLookupList& map;
        const char* name;
    } columns[] = {{mId3, id3}, {mWm, wm}, {mQt, qt}, {mRm, rm}, {mDisplay, display}};
    for (const auto& column : columns)
        if (column.name)
            column.map.AddLookup(column.name, tag);
}

void CTagMaps::AddGenre(const char* number, const char* name)
{
    if (number && name)
        mGenres.AddLookup(number, name);
}

char* CTagMaps::GetFriendly(int index) const
{
    CTextPair* pair = mDisplay.GetLookup(index);
    return pair ? pair->GetName() : EmptyText();
}

char* CTagMaps::GetGenre(int index) const
{
    CTextPair* pair = mGenres.GetLookup(index);
    return pair ? pair->GetValue() : EmptyText();
}

char* CTagMaps::TagFrom(const CLookupList& map, const char* name)
{
    char* value = name ? map.GetValue(name) : nullptr;
    return value ? value : EmptyText();
}

char* CTagMaps::NameOf(const CLookupList& map, const char* value)
{
    char* name = value ? map.GetName(value) : nullptr;
    return name ? name : EmptyText();
}
