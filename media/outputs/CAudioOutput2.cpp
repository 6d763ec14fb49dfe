#include "CAudioOutput2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioOutput2, CTrackOutput, FourCharCode("aop2"))

namespace {
const char* const kInfoTag = "info";
const char* const kSettingsTag = "settings";
const char* const kAudioModeTag = "audio mode";
}

CAudioOutput2::CAudioOutput2()
{
    m_info.SetSampleRate(48000);
    m_info.SetChannel(2);
    m_info.SetBitsPerSample(16);
}

void CAudioOutput2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CTrackOutput::SaveSelf(name, storage);
    m_info.Save(kInfoTag, storage);
    storage.Save(kSettingsTag, m_autoSettings);
    storage.Save(kAudioModeTag, m_audioMode);
}

void CAudioOutput2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CTrackOutput::LoadSelf(name, storage);
    m_info.Load(kInfoTag, storage);
    storage.Load(kSettingsTag, m_autoSettings);
    storage.Load(kAudioModeTag, m_audioMode);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CAudioOutput2, AutoSettings, bool, bool, m_autoSettings, kAutoSettingsChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CAudioOutput2, AudioMode, EAudioMode, EAudioMode, m_audioMode, kAudioModeChangedNotice)
