// Feeds arbitrary text and engine marks to the text the voice speaks: the first bytes
// steer the marks, the rest is UTF-16 text (unpaired surrogates, controls, anything).
// Every mark taken must lie inside the text, and pieces must cover it exactly.
#include "sapi/SpeechText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8) return 0;
    const uint8_t* marks = data;
    size_t markBytes = 8;
    std::u16string text;
    for (size_t i = markBytes; i + 1 < size; i += 2) text.push_back(static_cast<char16_t>(data[i] | data[i + 1] << 8));

    CSpeechText speech(text);
    size_t limit = 2 + marks[0];
    size_t at = 0;
    for (auto [begin, end] : speech.Pieces(limit)) {
        if (begin != at || end <= begin || end - begin > limit) std::abort();
        at = end;
    }
    if (at != speech.CodePoints().size()) std::abort();

    int64_t n = static_cast<int64_t>(speech.CodePoints().size());
    for (int round = 0; round < 64; ++round) {
        int64_t position = static_cast<int8_t>(marks[1 + round % 7]) + round * (n / 32 + 1) - 8;
        int64_t length = static_cast<int8_t>(marks[(2 + round) % 8]);
        uint32_t p = 0, l = 0;
        if (speech.TakeWord(position, length, p, l) && (p + l > text.size() || l == 0)) std::abort();
        if (speech.TakeSentence(position, p, l) && p + l > text.size()) std::abort();
    }
    return 0;
}
