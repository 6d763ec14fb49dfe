#include "sapi/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

namespace {

std::mutex gLock; // espeak-ng is one global state
bool gTried = false;
bool gReady = false;
const CSpeechEngine::Sink* gSink = nullptr;
bool gAborted = false;

constexpr int kNormalWordsPerMinute = 175;
constexpr int kSlowestWordsPerMinute = 80; // espeak-ng's floor; slower speech adds pauses between words

bool EnsureReady()
{
    if (!gTried) {
        gTried = true;
        int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr,
                                     espeakINITIALIZE_PHONEME_EVENTS | espeakINITIALIZE_DONT_EXIT);
        gReady = rate == 22050;
    }
    return gReady;
}

int OnSynth(short* samples, int count, espeak_EVENT* events)
{
    if (!gSink || gAborted) return 1;
    std::vector<CEngineMark> marks;
    for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        CEngineMark mark;
        switch (e->type) {
        case espeakEVENT_WORD: mark.kind = CEngineMark::kWord; break;
        case espeakEVENT_SENTENCE: mark.kind = CEngineMark::kSentence; break;
        case espeakEVENT_PHONEME:
            mark.kind = CEngineMark::kPhoneme;
            mark.phoneme.assign(e->id.string, strnlen(e->id.string, sizeof e->id.string));
            break;
        default: continue;
        }
        mark.sample = static_cast<uint64_t>(std::max(0, e->sample));
        // espeak-ng counts positions from 1.
        mark.position = static_cast<int64_t>(e->text_position) - 1;
        mark.length = e->length;
        marks.push_back(std::move(mark));
    }
    if (count < 0) count = 0;
    if (!(*gSink)(samples, static_cast<size_t>(count), marks)) gAborted = true;
    return gAborted ? 1 : 0;
}

std::string Describe(const char* name)
{
    std::string text = name ? name : "";
    std::replace(text.begin(), text.end(), '_', ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

} // namespace

CEspeakEngine& CEspeakEngine::Instance()
{
    static CEspeakEngine engine;
    return engine;
}

std::vector<CEngineVoice> CEspeakEngine::Voices()
{
    std::lock_guard<std::mutex> guard(gLock);
    std::vector<CEngineVoice> voices;
    if (!EnsureReady()) return voices;
    const espeak_VOICE** list = espeak_ListVoices(nullptr);
    for (int i = 0; list && list[i]; ++i) {
        if (!list[i]->identifier || !*list[i]->identifier) continue;
        CEngineVoice voice{list[i]->identifier, Describe(list[i]->name)};
        if (voice.description.empty()) voice.description = voice.id;
        voices.push_back(std::move(voice));
    }
    std::sort(voices.begin(), voices.end(), [](const CEngineVoice& a, const CEngineVoice& b) {
        return a.description != b.description ? a.description < b.description : a.id < b.id;
    });
    return voices;
}

bool CEspeakEngine::Synthesize(const std::u32string& text, const std::string& voiceId, int rate, const Sink& sink)
{
    std::lock_guard<std::mutex> guard(gLock);
    if (!EnsureReady()) return false;
    if (voiceId.empty() || espeak_SetVoiceByName(voiceId.c_str()) != EE_OK) {
        if (espeak_SetVoiceByName("en") != EE_OK) return false;
    }
    rate = std::clamp(rate, -10, 10);
    double wordsPerMinute = kNormalWordsPerMinute * std::pow(3.0, rate / 10.0);
    int gap = 0; // espeak-ng's pause between words
    if (wordsPerMinute < kSlowestWordsPerMinute) {
        // Measured at the floor: speech runs about 15% quicker than its nominal words a
        // minute, and one unit of word gap adds about 31 ms per word.
        double extraPerWord = (60.0 / wordsPerMinute - 60.0 / kSlowestWordsPerMinute) * 0.85;
        gap = static_cast<int>(std::lround(extraPerWord / 0.031));
        wordsPerMinute = kSlowestWordsPerMinute;
    }
    espeak_SetParameter(espeakRATE, static_cast<int>(std::lround(wordsPerMinute)), 0);
    espeak_SetParameter(espeakWORDGAP, gap, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);

    // espeak-ng reads wchar_t code points; control characters are already spaces.
    std::wstring wide;
    wide.reserve(text.size() + 1);
    for (char32_t c : text) wide.push_back(static_cast<wchar_t>(c));
    gSink = &sink;
    gAborted = false;
    espeak_SetSynthCallback(OnSynth);
    espeak_ERROR result = espeak_Synth(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t), 0, POS_CHARACTER, 0,
                                       espeakCHARS_WCHAR, nullptr, nullptr);
    bool ok = result == EE_OK && !gAborted;
    gSink = nullptr;
    return ok;
}
