#include "dshow/asf/AsfTagNames.h"

#include <strings.h>

namespace {

const char* const kNames[][2] = {
    {"title", "Title"},           {"artist", "Author"},           {"author", "Author"},
    {"copyright", "Copyright"},   {"comment", "Description"},     {"album", "WM/AlbumTitle"},
    {"album_artist", "WM/AlbumArtist"}, {"genre", "WM/Genre"},    {"track", "WM/TrackNumber"},
    {"date", "WM/Year"},          {"composer", "WM/Composer"},    {"publisher", "WM/Publisher"},
    {"disc", "WM/PartOfSet"},     {"language", "WM/Language"},
};

} // namespace

const char* WmAttributeName(const char* containerKey)
{
    for (const auto& row : kNames)
        if (strcasecmp(row[0], containerKey) == 0) return row[1];
    return containerKey;
}

const char* ContainerKeyOf(const char* attribute)
{
    for (const auto& row : kNames)
        if (strcasecmp(row[1], attribute) == 0) return row[0];
    return attribute;
}
