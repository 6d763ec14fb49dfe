#pragma once
// Private interfaces of this layer's encoding filters that the engine queries and fills.
// Methods keep their slot order: callers reach them by position.
#include "dshow/DShowTypes.h"

// Offered by every filter: switched on by its creator before use.
struct IEncoderPrivateSetting : IUnknown {
    static constexpr IID kIid = {0xFB5810D5, 0x72C2, 0x46EF, {0xA6, 0xA2, 0x7E, 0x08, 0x15, 0xA4, 0x6B, 0x86}};
    using Base = IUnknown;
    virtual HRESULT SetPrivate(LONG value) = 0;
};

// MP3 encoder: the encoder library to load (empty or null: the one found by name).
struct ILameLibraryPath : IUnknown {
    static constexpr IID kIid = {0x5133CD32, 0x87C0, 0x4316, {0xAA, 0x16, 0x33, 0xF7, 0xB6, 0xAE, 0x2A, 0xAF}};
    using Base = IUnknown;
    virtual HRESULT SetLibraryPath(const char* path) = 0;
};

// Multiplexers and writers: one tag, named by its three-letter ID3v2.2 frame id
// ("TT2" title, "TP1" artist, "TAL" album, "TYE" year, "COM" comment, "TRK" track,
// "TCO" genre ...); the file carries it in the container's own tag form.
struct IEncoderTags : IUnknown {
    static constexpr IID kIid = {0x8F68C8F6, 0x6BD8, 0x4C60, {0x8F, 0xBF, 0xC8, 0x31, 0x1B, 0xA0, 0x0F, 0x2A}};
    using Base = IUnknown;
    virtual HRESULT SetTag(const char* name, const char* value) = 0;
};

// Multiplexers: interleaving of the streams they write (0 none, 1 capture, 2 full).
struct IConfigInterleaving : IUnknown {
    static constexpr IID kIid = {0xBEE3D220, 0x157B, 0x11D0, {0xBD, 0x23, 0x00, 0xA0, 0xC9, 0x11, 0xCE, 0x86}};
    using Base = IUnknown;
    virtual HRESULT put_Mode(LONG mode) = 0;
    virtual HRESULT get_Mode(LONG* mode) = 0;
};

// "Time Nil": passes samples on with their times when on; without any times when off.
struct ITimeNilSettings : IUnknown {
    static constexpr IID kIid = {0xC08DF14C, 0xD5B7, 0x4DE0, {0xAF, 0x1F, 0x57, 0x46, 0xA0, 0x5E, 0x6C, 0x57}};
    using Base = IUnknown;
    virtual HRESULT SetPassThrough(BYTE on) = 0;
};

// "Time Dropper": drops samples whose times run backwards.
struct ITimeDropperSettings : IUnknown {
    static constexpr IID kIid = {0xEF1DFF84, 0xC864, 0x40CA, {0xA3, 0x81, 0x53, 0x77, 0x0A, 0x75, 0xAA, 0x03}};
    using Base = IUnknown;
    virtual HRESULT GetDropCount(LONGLONG* count) = 0;
};

// "Time Shifter": the stream starts this many seconds in; earlier media is cut.
struct ITimeShifterSettings : IUnknown {
    static constexpr IID kIid = {0xCC3FDE15, 0x29D1, 0x45E1, {0x87, 0x4D, 0xD4, 0x41, 0x84, 0x9B, 0x6B, 0xF2}};
    using Base = IUnknown;
    virtual HRESULT SetShift(double seconds) = 0;
};

// Video encoders: the codec's saved state, the size class (1 up to 500 lines, 2 above)
// and the quality (1 worst .. 99 best).
struct IVideoEncoderSettings : IUnknown {
    static constexpr IID kIid = {0x1E9CEA42, 0x342A, 0x4A10, {0xAA, 0xC7, 0x3C, 0x02, 0x3C, 0x9C, 0xFA, 0x7A}};
    using Base = IUnknown;
    virtual HRESULT SetState(const BYTE* state, LONG size) = 0;
    virtual HRESULT SetSizeClass(LONG sizeClass) = 0;
    virtual HRESULT SetQuality(BYTE quality) = 0;
};

// "Pulse Regulator": hands pictures on at a fixed frame rate, repeating or dropping them
// by their times; with retiming on, each picture takes the next frame time as it comes.
struct IPulseRegulatorSettings : IUnknown {
    static constexpr IID kIid = {0x5CAE980B, 0xD089, 0x4E6F, {0xA1, 0xA7, 0xBD, 0x7E, 0x7B, 0x81, 0x94, 0x88}};
    using Base = IUnknown;
    virtual HRESULT SetFrameRate(double rate) = 0;
    virtual HRESULT SetRetime(BYTE on) = 0;
};

// "Video Test": the picture it draws (0 moving colour bars, 1 a still grey ramp).
struct IVideoTestSettings : IUnknown {
    static constexpr IID kIid = {0xDD25951F, 0x784B, 0x40FF, {0x84, 0xBC, 0x03, 0x4D, 0x1F, 0xD4, 0xA3, 0xC0}};
    using Base = IUnknown;
    virtual HRESULT SetPattern(LONG pattern) = 0;
};
