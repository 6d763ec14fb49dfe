#include "CLiveRecorder2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CLiveRecorder2, CPersistObject, FourCharCode("lvr2"))

namespace {
const char* const kCaptureAudioTag = "capture audio";
const char* const kAudioSourceTag = "audio source";
}

void CLiveRecorder2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kCaptureAudioTag, m_captureAudio);
    m_audioSource.Save(kAudioSourceTag, storage);
}

void CLiveRecorder2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kCaptureAudioTag, m_captureAudio);
    m_audioSource.Load(kAudioSourceTag, storage);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CLiveRecorder2, CaptureAudio, bool, bool, m_captureAudio, kCaptureAudioChangedNotice)
