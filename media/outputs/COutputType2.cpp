#include "COutputType2.h"

#include "CEnumMap.h"
#include "CPersistStorage.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(COutputType2, CPersistObject, FourCharCode("out2"))

namespace {

const char* const kTypeTag = "type";

const struct {
    ESplitterType id;
    const char* name;
} kOutputTypeNames[] = {
    {0, "-"},
    {100, "AVI"},
    {300, "MPEG-1"},
    {400, "MPEG-2"},
    {250, "Windows Media (Profile)"},
    {251, "Windows Media (Profile)"},
    {252, "Windows Media (Profile)"},
    {500, "WAV"},
    {600, "QuickTime"},
    {1000, "RealMedia"},
    {3000, "Live DV"},
    {3010, "Analog Video"},
    {4000, "MIDI"},
    {4010, "MOD"},
    {290, "ASF"},
    {1900, "Audio CD"},
    {495, "MPEG-2"},
    {900, "DV"},
    {650, "AIFF"},
    {700, "3ivx MPEG-4"},
    {200, "Windows Media"},
    {1100, "OGG"},
    {800, "AC-3"},
    {9000, "Open MG"},
    {490, "MPEG-2"},
    {491, "MPEG-2"},
    {492, "MPEG-2"},
    {493, "MPEG-2"},
    {494, "MPEG-2"},
    {350, "MPEG Layer-3"},
    {120, "DivX"},
    {130, "XviD"},
    {630, "3GPP"},
    {1600, "Animted GIF"},
    {1500, "Audible"},
    {1200, "Matroska"},
    {1700, "Images"},
    {1300, "Flash"},
    {1800, "Web Images"},
    {1400, "FLAC"},
    {1410, "Monkey Audio"},
    {1420, "TTA"},
    {1421, "TTA"},
    {1430, "Musepack"},
    {1440, "OptimFROG"},
    {620, "FLC"},
};

}

bool COutputType2::GetEnumText(const char* field, CEnumMap& map)
{
    if (field && std::strcmp(field, kTypeTag) == 0) {
        for (const auto& type : kOutputTypeNames) map.Add(type.id, type.name);
        return true;
    }
    return CPersistObject::GetEnumText(field, map);
}

void COutputType2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kTypeTag, m_splitterType);
}

void COutputType2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kTypeTag, m_splitterType);
}

bool COutputType2::UseVbrExtension() { return false; }

MV_IMPLEMENT_PLAIN_PROPERTY(COutputType2, SplitterType, ESplitterType, ESplitterType, m_splitterType,
                            kSplitterTypeChangedNotice)
