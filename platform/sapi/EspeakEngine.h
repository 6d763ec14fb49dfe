#pragma once
// CSpeechEngine over espeak-ng. espeak-ng keeps one global state, so every call is
// serialised; the library is initialised on first use.
#include "sapi/SpeechEngine.h"

class CEspeakEngine : public CSpeechEngine {
public:
    uint32_t SampleRate() const override { return 22050; }
    std::vector<CEngineVoice> Voices() override;
    bool Synthesize(const std::u32string& text, const std::string& voiceId, int rate, const Sink& sink) override;

    static CEspeakEngine& Instance();
};
