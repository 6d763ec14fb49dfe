#include "CQuickTimeExportTypePersist.h"

#include "CPersistStorage.h"
#include "CQtExportSettings.h"

#include <cstring>

MV_IMPLEMENT_PERSIST_CLASS(CQuickTimeExportTypePersist, CPersistObject, CQuickTimeExportTypePersist::kType)

CQuickTimeExportTypePersist::CQuickTimeExportTypePersist() { m_settings.SetChildClassId(CQtExportSettings::kType); }

void CQuickTimeExportTypePersist::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("type", m_splitterType);
    m_settings.Save("export", storage);
}

void CQuickTimeExportTypePersist::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load("type", m_splitterType);
    m_settings.Load("export", storage);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CQuickTimeExportTypePersist, SplitterType, LONG, LONG, m_splitterType,
                            kSplitterTypeChangedNotice)

void CQuickTimeExportTypePersist::AddExportSetting(CQtExportSettings* setting) { m_settings.Add(setting); }

void CQuickTimeExportTypePersist::RemoveExportSetting(CQtExportSettings* setting) { m_settings.Remove(setting); }

CQtExportSettings* CQuickTimeExportTypePersist::GetExportSetting(int index) const
{
    return dynamic_cast<CQtExportSettings*>(m_settings.GetAt(index));
}

namespace {

bool NameMatches(const char* wanted, const char* name) { return !wanted || !*wanted || std::strcmp(wanted, name) == 0; }

} // namespace

CQtExportSettings* CQuickTimeExportTypePersist::FindFirst(LONG tv, const char* video, const char* audio, int criteria,
                                                          ULONG rate, unsigned short channels, unsigned short bits,
                                                          ULONG bitrate) const
{
    const bool audioAsked = audio && *audio;
    for (int i = 0; i < m_settings.GetItemCount(); ++i) {
        const CQtExportSettings* s = GetExportSetting(i);
        if (!s || s->GetTvType() != tv || !NameMatches(video, s->GetVideoCodecName()) ||
            !NameMatches(audio, s->GetAudioCodecName()))
            continue;
        if (audioAsked && ((criteria >= 1 && s->GetAudioSampleRate() != rate) ||
                           (criteria >= 2 && s->GetAudioChannel() != channels) ||
                           (criteria >= 3 && s->GetAudioBitsPerSample() != bits) ||
                           (criteria >= 4 && s->GetAudioBitrate() != bitrate)))
            continue;
        return GetExportSetting(i);
    }
    return nullptr;
}

CQtExportSettings* CQuickTimeExportTypePersist::Find(LONG tv, const char* video, const char* audio, ULONG rate,
                                                     unsigned short channels, unsigned short bits, ULONG bitrate) const
{
    return FindFirst(tv, video, audio, 4, rate, channels, bits, bitrate);
}

CQtExportSettings* CQuickTimeExportTypePersist::Find(LONG tv, const char* video, const char* audio, ULONG rate,
                                                     unsigned short channels, unsigned short bits) const
{
    return FindFirst(tv, video, audio, 3, rate, channels, bits, 0);
}

CQtExportSettings* CQuickTimeExportTypePersist::Find(LONG tv, const char* video, const char* audio, ULONG rate,
                                                     unsigned short channels) const
{
    return FindFirst(tv, video, audio, 2, rate, channels, 0, 0);
}

CQtExportSettings* CQuickTimeExportTypePersist::Find(LONG tv, const char* video, const char* audio, ULONG rate) const
{
    return FindFirst(tv, video, audio, 1, rate, 0, 0, 0);
}

CQtExportSettings* CQuickTimeExportTypePersist::Find(LONG tv, const char* video, const char* audio) const
{
    return FindFirst(tv, video, audio, 0, 0, 0, 0, 0);
}

CQtExportSettings* CQuickTimeExportTypePersist::RoughFind(LONG tv, const char* video, const char* audio, ULONG rate,
                                                          unsigned short channels, unsigned short bits,
                                                          ULONG bitrate) const
{
    if (CQtExportSettings* found = Find(tv, video, audio, rate, channels, bits, bitrate)) return found;
    if (CQtExportSettings* found = Find(tv, "", audio, rate, channels, bits, bitrate)) return found;
    if (CQtExportSettings* found = Find(tv, video, audio, rate, channels, bits)) return found;
    if (CQtExportSettings* found = Find(tv, video, audio, rate, channels)) return found;
    if (CQtExportSettings* found = Find(tv, video, audio, rate)) return found;
    return Find(tv, video, audio);
}
