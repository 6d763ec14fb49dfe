#pragma once
// A deterministic engine for the voice's tests: every code point is 100 samples of a
// constant level, every space-separated word gets a word mark, '#' a phoneme mark.
#include "sapi/SpeechEngine.h"

#include <atomic>

class CFakeEngine : public CSpeechEngine {
public:
    static constexpr uint32_t kRate = 1000;
    static constexpr size_t kSamplesPerChar = 100;

    uint32_t SampleRate() const override { return kRate; }
    std::vector<CEngineVoice> Voices() override { return voices; }
    bool Synthesize(const std::u32string& text, const std::string& voiceId, int rate, const Sink& sink) override
    {
        lastVoice = voiceId;
        lastRate = rate;
        ++calls;
        std::vector<int16_t> samples(kSamplesPerChar, 1000);
        for (size_t i = 0; i < text.size(); ++i) {
            std::vector<CEngineMark> marks;
            bool starts = text[i] != U' ' && (i == 0 || text[i - 1] == U' ');
            if (starts) {
                CEngineMark m;
                m.kind = CEngineMark::kWord;
                m.sample = i * kSamplesPerChar;
                m.position = static_cast<int64_t>(i) + positionShift;
                m.length = 0;
                marks.push_back(m);
            }
            if (text[i] == U'#') {
                CEngineMark m;
                m.kind = CEngineMark::kPhoneme;
                m.sample = i * kSamplesPerChar;
                m.phoneme = "p";
                marks.push_back(m);
            }
            if (!sink(samples.data(), samples.size(), marks)) return false;
        }
        return true;
    }

    std::vector<CEngineVoice> voices = {{"v/one", "Voice One"}, {"v/two", "Voice Two"}, {"v/one-b", "Voice One"}};
    std::string lastVoice;
    int lastRate = 0;
    int positionShift = 0;
    std::atomic<int> calls{0};
};
