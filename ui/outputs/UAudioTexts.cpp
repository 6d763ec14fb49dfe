#include "UAudioTexts.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Named {
    long value;
    const char* text;
};

const Named kSampleRates[] = {{8000, "8 khz - Poor"},          {11025, "11.025 khz - Low"},
                              {16000, "16 khz"},               {22050, "22.05 khz - Medium"},
                              {24000, "24 khz"},               {32000, "32 khz"},
                              {44100, "44.1 khz - CD Quality"}, {48000, "48 khz - DVD Quality"},
                              {96000, "96 khz"}};
const Named kChannels[] = {{1, "Mono"}, {2, "Stereo"}};
const Named kBits[] = {{0, "Float"}, {8, "8 bits - Low"}, {16, "16 bits - Normal"}, {24, "24 bits - Pro"}};
const Named kModes[] = {{0, "Music"}, {1, "Voice"}};
const Named kComplexities[] = {{0, "Low"}, {1, "Medium"}, {2, "High"}};

template <size_t N>
const char* TextOf(const Named (&table)[N], long value)
{
    for (const Named& n : table)
        if (n.value == value) return n.text;
    return nullptr;
}

template <size_t N>
bool ValueOf(const Named (&table)[N], const char* text, long& value)
{
    if (!text) return false;
    for (const Named& n : table) {
        if (std::strcmp(n.text, text) == 0) {
            value = n.value;
            return true;
        }
    }
    return false;
}

template <size_t N>
CString TextOrNumber(const Named (&table)[N], long value)
{
    if (const char* text = TextOf(table, value)) return text;
    char number[32];
    std::snprintf(number, sizeof number, "%ld", value);
    return number;
}

// A text that is not listed is read as a decimal number; what does not fit the field is 0.
template <size_t N>
unsigned long ValueOrNumber(const Named (&table)[N], const char* text, unsigned long maximum)
{
    long value = 0;
    if (ValueOf(table, text, value)) return static_cast<unsigned long>(value);
    if (!text) return 0;
    const long long number = std::strtoll(text, nullptr, 10);
    return number < 0 || static_cast<unsigned long long>(number) > maximum ? 0 : static_cast<unsigned long>(number);
}

template <size_t N>
long ValueOrZero(const Named (&table)[N], const char* text)
{
    long value = 0;
    return ValueOf(table, text, value) ? value : 0;
}

} // namespace

CString UAudioTexts::SampleRateText(ULONG rate) { return TextOrNumber(kSampleRates, static_cast<long>(rate)); }
ULONG UAudioTexts::SampleRate(const char* text)
{
    return static_cast<ULONG>(ValueOrNumber(kSampleRates, text, 0xFFFFFFFFul));
}
CString UAudioTexts::ChannelText(unsigned short channels) { return TextOrNumber(kChannels, channels); }
unsigned short UAudioTexts::Channel(const char* text)
{
    return static_cast<unsigned short>(ValueOrNumber(kChannels, text, 0xFFFF));
}
CString UAudioTexts::BitsText(unsigned short bits) { return TextOrNumber(kBits, bits); }
unsigned short UAudioTexts::Bits(const char* text)
{
    return static_cast<unsigned short>(ValueOrNumber(kBits, text, 0xFFFF));
}
CString UAudioTexts::ModeText(EAudioMode mode)
{
    const char* text = TextOf(kModes, mode);
    return text ? text : "";
}
EAudioMode UAudioTexts::Mode(const char* text) { return ValueOrZero(kModes, text); }
CString UAudioTexts::ComplexityText(EEncodingComplexity complexity)
{
    const char* text = TextOf(kComplexities, complexity);
    return text ? text : "";
}
EEncodingComplexity UAudioTexts::Complexity(const char* text) { return ValueOrZero(kComplexities, text); }
