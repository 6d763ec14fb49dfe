#pragma once
// Coded audio described by a wave format block: the format tag names the codec (the
// RIFF audio tag table), the codec's set-up data follows the block (cbSize bytes) and
// the average bytes per second carry the bitrate. The subtype is the tag's FOURCC form.
#include "dshow/MediaType.h"

struct AVCodecParameters;

struct CodedWaveFormat {
    int codecId = 0; // the codec library's codec number
    DWORD sampleRate = 0;
    WORD channels = 0;
    WORD bitsPerSample = 0; // of the PCM it was made from, or 0
    DWORD bitRate = 0;
    WORD blockAlign = 0;
    const BYTE* extra = nullptr;
    WORD extraSize = 0;
};

// The wave tag of a codec (0 when it has none).
WORD WaveTagOfCodec(int codecId);
// Builds the type; false when the codec has no tag or the type cannot be made.
bool MakeCodedWaveType(CMediaType& type, const CodedWaveFormat& format);
// Reads a coded (not PCM) wave type back; false when it is not one this layer knows or is
// out of bounds.
bool ReadCodedWaveType(const AM_MEDIA_TYPE& type, CodedWaveFormat& format);
// Stream parameters of a coded wave type or of a PCM type; false when neither.
bool FillAudioParameters(const AM_MEDIA_TYPE& type, AVCodecParameters& parameters);
