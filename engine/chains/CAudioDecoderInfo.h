#pragma once
// The audio decoders, kept in "Audio Decoder.ini".
#include "CDecoderInfo.h"

class CAudioDecoderInfo : public CDecoderInfo {
public:
    CAudioDecoderInfo();

    // The process-wide registry, made on first use so that it reads the data folder in
    // force then; lives until the library unloads.
    static CAudioDecoderInfo* GetInfo();

    static const char* const kFileName;
};
