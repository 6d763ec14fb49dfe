#pragma once
// The synthesiser under the voices: lists its voices and turns text into 16-bit
// mono samples at its own rate, with word, sentence and phoneme marks.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct CEngineVoice {
    std::string id;          // the engine's own name of the voice
    std::string description; // what a person reads: language and variant
};

struct CEngineMark {
    enum EKind { kWord, kSentence, kPhoneme };
    EKind kind = kWord;
    uint64_t sample = 0;   // from the start of the text synthesised
    int64_t position = 0;  // code points from the start of the text, as the engine reports it
    int64_t length = 0;    // code points; 0 or less when the engine gave none
    std::string phoneme;   // kPhoneme: the engine's phoneme name
};

class CSpeechEngine {
public:
    // Receives sound and marks as they are made; false aborts the synthesis.
    using Sink = std::function<bool(const int16_t* samples, size_t count, const std::vector<CEngineMark>& marks)>;

    virtual ~CSpeechEngine() = default;
    virtual uint32_t SampleRate() const = 0;
    // Empty when the engine is missing.
    virtual std::vector<CEngineVoice> Voices() = 0;
    // rate: -10 (a third of the normal speed) to 10 (three times). False on failure or abort.
    virtual bool Synthesize(const std::u32string& text, const std::string& voiceId, int rate, const Sink& sink) = 0;

    // The engine every voice uses; tests put a stand-in in place (null restores the default).
    static CSpeechEngine& Current();
    static void SetCurrent(CSpeechEngine* engine);
};
