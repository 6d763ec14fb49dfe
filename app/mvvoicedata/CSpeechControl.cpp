#include "CSpeechControl.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"
#include "UPersistUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CSpeechControl, CPersistObject, FourCharCode("spcl"))

CSpeechControl::CSpeechControl(const CSpeechControl& other)
    : CPersistObject(other), m_voice(other.m_voice), m_rate(other.m_rate), m_volume(other.m_volume)
{
}

CSpeechControl& CSpeechControl::operator=(const CSpeechControl& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_voice = other.m_voice;
    m_rate = other.m_rate;
    m_volume = other.m_volume;
    return *this;
}

CString CSpeechControl::ValidateVoice(const char* voice)
{
    return CString(voice);
}

signed char CSpeechControl::ValidateRate(signed char rate)
{
    if (rate > kMaxRate) return kMaxRate;
    if (rate < kMinRate) return kMinRate;
    return rate;
}

unsigned short CSpeechControl::ValidateVolume(unsigned short volume)
{
    return volume > kMaxVolume ? kMaxVolume : volume;
}

MV_IMPLEMENT_PROPERTY_SETTER(CSpeechControl, Voice, const char*, m_voice, kVoiceChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CSpeechControl, Rate, signed char, m_rate, kRateChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CSpeechControl, Volume, unsigned short, m_volume, kVolumeChangedNotice)

void CSpeechControl::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save("voice", m_voice.GetString());
    storage.Save("speed", static_cast<char>(m_rate));
    storage.Save("volume", m_volume);
}

void CSpeechControl::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    UPersistUtils::Load(storage, "voice", m_voice);
    char rate = 0;
    storage.Load("speed", rate);
    m_rate = static_cast<signed char>(rate);
    storage.Load("volume", m_volume);
}
