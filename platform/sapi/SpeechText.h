#pragma once
// The text of one Speak call as the engine gets it, and the way back: engine code
// points to UTF-16 positions of the text as given. Absorbs the engine's quirks in its
// word marks: out-of-range and empty marks, numbers read as several words, overlaps.
#include <cstdint>
#include <string>
#include <vector>

class CSpeechText {
public:
    explicit CSpeechText(const std::u16string& text);

    // Code points, control characters as spaces, unpaired surrogates as U+FFFD.
    const std::u32string& CodePoints() const { return m_codePoints; }
    size_t Utf16Length() const { return m_utf16.back(); }
    // Pieces of at most about `limit` code points, cut after sentences or at spaces.
    std::vector<std::pair<size_t, size_t>> Pieces(size_t limit) const;

    // A word mark in code points (relative to the whole text) as UTF-16 position and
    // length; false when it is to be skipped. Marks must come in order.
    bool TakeWord(int64_t position, int64_t length, uint32_t& utf16Position, uint32_t& utf16Length);
    // A sentence mark: its start and the length up to its end mark (or the text's end).
    bool TakeSentence(int64_t position, uint32_t& utf16Position, uint32_t& utf16Length) const;

private:
    size_t RunOfNonSpace(size_t from) const;

    std::u32string m_codePoints;
    std::vector<uint32_t> m_utf16; // UTF-16 position of each code point, plus the end
    size_t m_wordEnd = 0;          // code point after the last word taken
};
