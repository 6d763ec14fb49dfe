#pragma once
// The settings of the QuickTime writer filters, given before the graph is connected.
// Formats are QuickTime's four-character codes ('mp4v', 'mp4a', ...); quality is 0-100.
#include "dshow/DShowTypes.h"

// The movie writer's video compressor and its quality.
struct IQuickTimeVideoCompression : IUnknown {
    static constexpr IID kIid = {0xF591EA94, 0x5DBA, 0x47C1, {0x99, 0x47, 0xE7, 0x67, 0x8A, 0x60, 0xCC, 0x7F}};
    using Base = IUnknown;
    virtual HRESULT SetVideoFormat(DWORD format) = 0;
    virtual HRESULT SetQuality(LONG quality) = 0;
};

// The movie writer's video bit rate, bits per second.
struct IQuickTimeVideoRate : IUnknown {
    static constexpr IID kIid = {0x47A9025F, 0x1851, 0x4044, {0x9B, 0x65, 0xC1, 0x5B, 0x18, 0xBD, 0xC1, 0x1A}};
    using Base = IUnknown;
    virtual HRESULT SetVideoBitrate(LONG bitrate) = 0;
};

// The movie writer's sound format, and whether it writes a capture as it happens.
struct IQuickTimeSoundCompression : IUnknown {
    static constexpr IID kIid = {0xB8EE74C8, 0x7EAE, 0x4016, {0x90, 0x7D, 0x4F, 0x8D, 0x38, 0x18, 0xF9, 0x5E}};
    using Base = IUnknown;
    virtual HRESULT SetAudioFormat(DWORD format) = 0;
    virtual HRESULT SetCapturing(BOOL capturing) = 0;
};

// The export writers' rates: video bits per second, quality, audio bits per second.
struct IQuickTimeExportRates : IUnknown {
    static constexpr IID kIid = {0x2EEABF84, 0x0098, 0x485B, {0xB9, 0x08, 0x67, 0xC9, 0x14, 0xCB, 0xD6, 0x7A}};
    using Base = IUnknown;
    virtual HRESULT SetVideoBitrate(LONG bitrate) = 0;
    virtual HRESULT SetQuality(LONG quality) = 0;
    virtual HRESULT SetAudioBitrate(LONG bitrate) = 0;
};

// The export component's settings block (an atom container of the QuickTime library).
struct IQuickTimeExportSettings : IUnknown {
    static constexpr IID kIid = {0x023A4094, 0xDE14, 0x4848, {0x98, 0xD6, 0x88, 0x5F, 0x2E, 0x63, 0xF3, 0xD4}};
    using Base = IUnknown;
    virtual HRESULT SetExportSettings(const BYTE* bytes, LONG size) = 0;
};

// The same block as the export's compression settings.
struct IQuickTimeCompressionSettings : IUnknown {
    static constexpr IID kIid = {0x2B7EA43D, 0x2C24, 0x4F12, {0xAC, 0x59, 0xCF, 0x16, 0x46, 0x4E, 0x15, 0x6E}};
    using Base = IUnknown;
    virtual HRESULT SetCompressionSettings(const BYTE* bytes, LONG size) = 0;
};

// The movie writer's key-frame interval (frames; 0: the encoder's own) and the video
// compressor's settings block.
struct IQuickTimeVideoSettings : IUnknown {
    static constexpr IID kIid = {0xAAB147F4, 0x63EC, 0x4F1A, {0x93, 0xC3, 0x73, 0xC6, 0xE4, 0x11, 0x8D, 0x3F}};
    using Base = IUnknown;
    virtual HRESULT SetKeyFrameInterval(LONG frames) = 0;
    virtual HRESULT SetVideoSettings(const BYTE* bytes, LONG size) = 0;
};

// Whether the writer writes a file conversion (true) rather than a capture as it happens.
struct IQuickTimeWriterMode : IUnknown {
    static constexpr IID kIid = {0xBDF03CD7, 0xB30C, 0x415F, {0xAD, 0xE4, 0xEE, 0x48, 0x07, 0x59, 0x01, 0x8B}};
    using Base = IUnknown;
    virtual HRESULT SetConverting(BOOL converting) = 0;
};
