#include "CMediaProfile.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaProfile, CNamedObject, CMediaProfile::kType)

void CMediaProfile::SaveSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::SaveSelf(name, storage);
    storage.Save("has video", m_hasVideo);
    storage.Save("has audio", m_hasAudio);
    storage.Save("bitrate", m_bitrate);
}

void CMediaProfile::LoadSelf(const char* name, CPersistStorage& storage)
{
    CNamedObject::LoadSelf(name, storage);
    storage.Load("has video", m_hasVideo);
    storage.Load("has audio", m_hasAudio);
    storage.Load("bitrate", m_bitrate);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CMediaProfile, HasVideo, bool, bool, m_hasVideo, kHasVideoChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaProfile, HasAudio, bool, bool, m_hasAudio, kHasAudioChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CMediaProfile, Bitrate, ULONG, ULONG, m_bitrate, kBitrateChangedNotice)
