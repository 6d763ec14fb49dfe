#pragma once
// The texts the audio pages show for sample rates, channels, bit depths, modes and
// complexities, and the way back from a shown or typed text to the value.
#include "EMediaOutput.h"
#include "afx/CString.h"

class UAudioTexts {
public:
    static CString SampleRateText(ULONG rate);
    // A listed text gives its value; any other text is read as a decimal number.
    static ULONG SampleRate(const char* text);
    static CString ChannelText(unsigned short channels);
    static unsigned short Channel(const char* text);
    static CString BitsText(unsigned short bits);
    static unsigned short Bits(const char* text);
    // Unknown values have the empty text; unknown texts give 0.
    static CString ModeText(EAudioMode mode);
    static EAudioMode Mode(const char* text);
    static CString ComplexityText(EEncodingComplexity complexity);
    static EEncodingComplexity Complexity(const char* text);
};
