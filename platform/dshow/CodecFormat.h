#pragma once
// The format block of MEDIASUBTYPE_Coded streams: what the decoders of this layer
// need to open a stream the file source found. Extra codec data follows the block.
#include "dshow/MediaType.h"

struct CODECFORMAT {
    DWORD codecId; // the demultiplexer's codec number
    DWORD sampleRate;
    DWORD channels;
    DWORD bitsPerCodedSample;
    DWORD blockAlign;
    DWORD bitRate;
    LONG width;
    LONG height;
    DWORD frameRateNum;
    DWORD frameRateDen;
    DWORD frameSize; // samples in each coded audio frame, 0 = varies
    DWORD pixelFormat; // the decoded pictures' pixel format plus one, 0 = not known
    DWORD extraSize;
};

// Limits on what a coded stream may declare.
inline constexpr DWORD kMaxCodecExtra = 1 << 20;
inline constexpr DWORD kMaxChannels = 16;
inline constexpr DWORD kMaxSampleRate = 768000;

// The block and its extra data, or null when the type is not a sound coded block.
const CODECFORMAT* CodecFormatOf(const AM_MEDIA_TYPE& type, const BYTE** extra);
