#pragma once
// The PCM wave format description shared by wave-out and the speech streams.
#include "win32/WinTypes.h"

#define WAVE_FORMAT_PCM 1

#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
};
#pragma pack(pop)
using PWAVEFORMATEX = WAVEFORMATEX*;
using LPWAVEFORMATEX = WAVEFORMATEX*;

// Plain PCM: the block size and byte rate follow from the other three.
inline WAVEFORMATEX MakePcmFormat(WORD channels, DWORD samplesPerSec, WORD bitsPerSample)
{
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = samplesPerSec;
    format.wBitsPerSample = bitsPerSample;
    format.nBlockAlign = static_cast<WORD>(uint32_t(channels) * bitsPerSample / 8);
    format.nAvgBytesPerSec = samplesPerSec * format.nBlockAlign;
    return format;
}
