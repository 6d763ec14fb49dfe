#include "dshow/formats/TagKeys.h"

#include <cstring>
#include <iterator>

namespace {

struct TagKey {
    const char* id;
    const char* key;
};

constexpr TagKey kKeys[] = {
    {"TT2", "title"},       {"TP1", "artist"},    {"TP2", "album_artist"}, {"TAL", "album"},
    {"TYE", "date"},        {"TRK", "track"},     {"TPA", "disc"},         {"TCO", "genre"},
    {"COM", "comment"},     {"TCM", "composer"},  {"TCR", "copyright"},    {"TEN", "encoded_by"},
    {"TPB", "publisher"},   {"TLA", "language"},  {"TP3", "performer"},    {"TT1", "grouping"},
    {"TT3", "subtitle"},    {"TSS", "encoder"},   {"TBP", "TBPM"},         {"TXT", "lyricist"},
};

} // namespace

std::string ContainerTagKey(const char* name)
{
    if (!name) return {};
    for (const TagKey& k : kKeys)
        if (std::strcmp(k.id, name) == 0) return k.key;
    return name;
}

void SetContainerTag(std::vector<std::pair<std::string, std::string>>& tags, const char* name, const char* value)
{
    const std::string key = ContainerTagKey(name);
    std::erase_if(tags, [&](const auto& tag) { return tag.first == key; });
    if (*value) tags.emplace_back(key, value);
}
