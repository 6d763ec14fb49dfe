#pragma once
// The video decoders, kept in "Video Decoder.ini".
#include "CDecoderInfo.h"

class CVideoDecoderInfo : public CDecoderInfo {
public:
    CVideoDecoderInfo();

    // The process-wide registry, made on first use so that it reads the data folder in
    // force then; lives until the library unloads.
    static CVideoDecoderInfo* GetInfo();

    static const char* const kFileName;
};
