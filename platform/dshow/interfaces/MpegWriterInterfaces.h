#pragma once
// Settings of the MPEG writer and of the ff writers, given before the graph is connected.
// Methods keep their slot order: callers reach them by position. Rates are bits per
// second; a 0 leaves the writer's own choice.
#include "dshow/DShowTypes.h"

// MPEG writer: which stream it writes and which elementary streams go in.
// Stream formats: 0 MPEG-1 system stream, 1 VCD (PAL), 2 MPEG-2 program stream,
// 3 SVCD (PAL), 4 DVD (PAL), 5 VCD (NTSC), 6 SVCD (NTSC), 7 DVD (NTSC).
struct IMpegStreamSettings : IUnknown {
    static constexpr IID kIid = {0x6C1F4E52, 0x0B8E, 0x4C63, {0x9A, 0x1D, 0x52, 0x7E, 0x31, 0xC4, 0x0D, 0x11}};
    using Base = IUnknown;
    virtual HRESULT SetStreamFormat(LONG format) = 0;
    // Fixed values its callers give (8 and 4); nothing here depends on them.
    virtual HRESULT SetPackOption(LONG value) = 0;
    virtual HRESULT SetBufferOption(LONG value) = 0;
    // 0 leaves the sound out, 1 writes it.
    virtual HRESULT SetAudioStreams(LONG count) = 0;
    // Off: the file carries no picture; an MPEG-1 system stream of sound alone is then
    // written as plain MPEG audio (layer III).
    virtual HRESULT SetVideoStream(BOOL on) = 0;
    // Fixed values its callers give (0 and 1); nothing here depends on them.
    virtual HRESULT SetTimingOption(LONG value) = 0;
    virtual HRESULT SetEndOption(LONG value) = 0;
};

// MPEG writer: the encoders' settings. The picture size applies to the MPEG-1 system
// and MPEG-2 program streams; the disc formats have their own.
struct IMpegEncoderSettings : IUnknown {
    static constexpr IID kIid = {0x0E4A7B6D, 0x93C2, 0x4F0A, {0xB5, 0x68, 0x1D, 0x2C, 0x7F, 0x90, 0x3E, 0x22}};
    using Base = IUnknown;
    virtual HRESULT SetHeight(LONG height) = 0;
    // A fixed value its callers give (0); nothing here depends on it.
    virtual HRESULT SetFieldOption(LONG value) = 0;
    virtual HRESULT SetWidth(LONG width) = 0;
    virtual HRESULT SetVideoBitrate(LONG bitrate) = 0;
    virtual HRESULT SetAudioBitrate(LONG bitrate) = 0;
    // On: the video rate may rise above the bit rate where the picture needs it; off:
    // the bit rate is also the ceiling.
    virtual HRESULT SetVariableBitrate(BOOL on) = 0;
    // A fixed value its callers give (0); nothing here depends on it.
    virtual HRESULT SetMotionOption(LONG value) = 0;
    virtual HRESULT SetSampleRate(LONG rate) = 0;
};

// ff writers: the codecs of the two streams, by the codec ids of the ffmpeg format table
// (1 MPEG-1 video, 8 MJPEG, 12 MPEG-4, 21 Flash video; 69633 ADPCM, 86016 MPEG audio
// layer II, 86017 layer III, 86018 AAC); 0 leaves the writer's own codec.
struct IffWriterCodecs : IUnknown {
    static constexpr IID kIid = {0x33831C0A, 0xB7AD, 0x4ADC, {0x94, 0x30, 0xEA, 0x8E, 0xFA, 0xDB, 0x00, 0xDF}};
    using Base = IUnknown;
    virtual HRESULT SetVideoCodec(LONG codecId) = 0;
    virtual HRESULT SetAudioCodec(LONG codecId) = 0;
};

// ff writers: the bitrates of the two streams.
struct IffWriterBitrates : IUnknown {
    static constexpr IID kIid = {0xF7F6B5CC, 0xD5E5, 0x48A2, {0x8E, 0x29, 0x10, 0x5C, 0x3E, 0x71, 0x60, 0x01}};
    using Base = IUnknown;
    virtual HRESULT SetVideoBitrate(LONG bitrate) = 0;
    virtual HRESULT SetAudioBitrate(LONG bitrate) = 0;
};
