#include "sapi/SpeechText.h"

#include <algorithm>

namespace {

bool IsSpace(char32_t c)
{
    return c == U' ' || c == 0xA0 || c == 0x3000 || (c >= 0x2000 && c <= 0x200A);
}

bool EndsSentence(char32_t c)
{
    return c == U'.' || c == U'!' || c == U'?' || c == U'\n' || c == 0x3002;
}

} // namespace

CSpeechText::CSpeechText(const std::u16string& text)
{
    m_codePoints.reserve(text.size());
    m_utf16.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size();) {
        m_utf16.push_back(static_cast<uint32_t>(i));
        char32_t c = text[i];
        size_t units = 1;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            units = 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        } else if (c == U'\r' || c == U'\n') {
            c = U'\n'; // line ends separate sentences
        } else if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0) || c == 0xFEFF) {
            c = U' ';
        }
        m_codePoints.push_back(c);
        i += units;
    }
    m_utf16.push_back(static_cast<uint32_t>(text.size()));
}

std::vector<std::pair<size_t, size_t>> CSpeechText::Pieces(size_t limit) const
{
    std::vector<std::pair<size_t, size_t>> pieces;
    size_t n = m_codePoints.size();
    if (limit < 2) limit = 2;
    size_t start = 0;
    while (start < n) {
        size_t end = n;
        if (n - start > limit) {
            // Prefer the last sentence end in the window, then the last space, then a hard cut.
            size_t cut = 0, space = 0;
            for (size_t i = start + limit / 2; i < start + limit; ++i) {
                if (EndsSentence(m_codePoints[i]) && i + 1 < n && (IsSpace(m_codePoints[i + 1]) || m_codePoints[i] == U'\n'))
                    cut = i + 1;
                if (IsSpace(m_codePoints[i])) space = i + 1;
            }
            end = cut ? cut : space ? space : start + limit;
        }
        pieces.emplace_back(start, end);
        start = end;
    }
    return pieces;
}

size_t CSpeechText::RunOfNonSpace(size_t from) const
{
    size_t end = from;
    while (end < m_codePoints.size() && !IsSpace(m_codePoints[end]) && m_codePoints[end] != U'\n') ++end;
    return end - from;
}

bool CSpeechText::TakeWord(int64_t position, int64_t length, uint32_t& utf16Position, uint32_t& utf16Length)
{
    int64_t n = static_cast<int64_t>(m_codePoints.size());
    if (position < 0 || position >= n) return false;
    size_t start = static_cast<size_t>(position);
    // A mark inside the last word is the same word read again (numbers, abbreviations).
    if (start < m_wordEnd) return false;
    size_t count = length > 0 ? static_cast<size_t>(std::min<int64_t>(length, n - position)) : RunOfNonSpace(start);
    if (count == 0) return false;
    m_wordEnd = start + count;
    utf16Position = m_utf16[start];
    utf16Length = m_utf16[start + count] - m_utf16[start];
    return true;
}

bool CSpeechText::TakeSentence(int64_t position, uint32_t& utf16Position, uint32_t& utf16Length) const
{
    int64_t n = static_cast<int64_t>(m_codePoints.size());
    if (position < 0 || position >= n) return false;
    size_t start = static_cast<size_t>(position);
    size_t end = start;
    while (end < m_codePoints.size() && !EndsSentence(m_codePoints[end])) ++end;
    if (end < m_codePoints.size() && m_codePoints[end] != U'\n') ++end;
    utf16Position = m_utf16[start];
    utf16Length = m_utf16[end] - m_utf16[start];
    return true;
}
