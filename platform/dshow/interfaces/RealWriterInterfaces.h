#pragma once
// The settings of the RealMedia writer filter, given before the graph is connected. The
// producer behind the filter is absent here; the interfaces are what the writer is handed.
#include "dshow/DShowTypes.h"

// The audience (the producer's named target) and whether a capture is written as it happens.
struct IRealWriterTarget : IUnknown {
    static constexpr IID kIid = {0xDD071381, 0x3009, 0x4AD1, {0xAB, 0x57, 0x12, 0xB6, 0xC6, 0x85, 0x2B, 0x02}};
    using Base = IUnknown;
    virtual HRESULT SetAudience(const char* audience) = 0;
    virtual HRESULT SetCapturing(BOOL capturing) = 0;
};

// Video mode and complexity, frames between key frames, and the latency.
struct IRealWriterVideo : IUnknown {
    static constexpr IID kIid = {0x2D5A2FA5, 0xFC43, 0x4D84, {0x83, 0x61, 0x9C, 0xD1, 0xBF, 0x1F, 0xE3, 0x16}};
    using Base = IUnknown;
    virtual HRESULT SetVideoMode(LONG mode) = 0;
    virtual HRESULT SetVideoComplexity(LONG complexity) = 0;
    virtual HRESULT SetKeyFrameInterval(ULONG frames) = 0;
    virtual HRESULT SetLatency(unsigned short latency) = 0;
};

// Audio mode and complexity.
struct IRealWriterAudio : IUnknown {
    static constexpr IID kIid = {0x3E3ECDCF, 0x6B7C, 0x4C38, {0x86, 0x81, 0xFC, 0x99, 0x3B, 0x0F, 0x08, 0x28}};
    using Base = IUnknown;
    virtual HRESULT SetAudioMode(LONG mode) = 0;
    virtual HRESULT SetAudioComplexity(LONG complexity) = 0;
};
