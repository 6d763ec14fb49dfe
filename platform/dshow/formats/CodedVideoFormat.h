#pragma once
// Coded video described by a video info block: the bitmap header's compression is the
// codec's four-character code (the RIFF video tag table), the subtype its FOURCC form,
// and the codec's set-up data follows the block.
#include "dshow/MediaType.h"

struct AVCodecParameters;
struct AVRational;

struct CodedVideoFormat {
    int codecId = 0;
    LONG width = 0;
    LONG height = 0;
    REFERENCE_TIME frameTime = 0; // 0 = unknown
    DWORD bitRate = 0;
    const BYTE* extra = nullptr;
    DWORD extraSize = 0;
};

// The four-character code of a codec (0 when it has none).
DWORD FourccOfVideoCodec(int codecId);
bool MakeCodedVideoType(CMediaType& type, const CodedVideoFormat& format, DWORD fourcc);
bool ReadCodedVideoType(const AM_MEDIA_TYPE& type, CodedVideoFormat& format);
// Stream parameters and frame rate ({0, 1} when unknown) of a coded video info type or
// of a coded stream of the file source; false when neither.
bool FillVideoParameters(const AM_MEDIA_TYPE& type, AVCodecParameters& parameters, AVRational& frameRate);
