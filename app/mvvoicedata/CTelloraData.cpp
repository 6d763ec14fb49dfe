#include "CTelloraData.h"

MV_IMPLEMENT_PERSIST_CLASS(CTelloraData, CMediaWriter2, FourCharCode("spaw"))

namespace {
const char* const kSpeechTag = "speech";
}

CTelloraData::CTelloraData()
{
    MakeSpeechSettings();
    KeepAudioOnly();
    GetMediaOutput().GetAudioOutput().SetRemux(false);
}

CTelloraData::CTelloraData(const CTelloraData& other) : CMediaWriter2(other), m_speech(other.m_speech) {}

CTelloraData& CTelloraData::operator=(const CTelloraData& other)
{
    if (this == &other) return *this;
    CMediaWriter2::operator=(other);
    m_speech = other.m_speech;
    return *this;
}

CTelloraData& CTelloraData::operator=(const CMediaWriter2& writer)
{
    if (this != &writer) CMediaWriter2::operator=(writer);
    return *this;
}

void CTelloraData::MakeSpeechSettings() {}

void CTelloraData::KeepAudioOnly()
{
    // Audio first: the output refuses to drop video while audio is not wanted.
    GetMediaOutput().SetWantsAudio(true);
    GetMediaOutput().SetWantsVideo(false);
    GetFilePath().SetAutoNaming(false);
}

void CTelloraData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaWriter2::SaveSelf(name, storage);
    m_speech.Save(kSpeechTag, storage);
}

void CTelloraData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaWriter2::LoadSelf(name, storage);
    m_speech.Load(kSpeechTag, storage);
    KeepAudioOnly();
}
