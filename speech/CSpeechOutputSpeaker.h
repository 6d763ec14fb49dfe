#pragma once
// Sound to the default audio output device.
#include "CSpeechOutput.h"

struct ISpAudio;

class CSpeechOutputSpeaker : public CSpeechOutput {
public:
    explicit CSpeechOutputSpeaker(CSpeechTalker* talker);
    CSpeechOutputSpeaker(const CSpeechOutputSpeaker& other);
    CSpeechOutputSpeaker& operator=(const CSpeechOutputSpeaker& other);
    ~CSpeechOutputSpeaker() override;

    bool Create() override;

private:
    ISpAudio* m_audio = nullptr; // one reference; null when it could not be made
};
