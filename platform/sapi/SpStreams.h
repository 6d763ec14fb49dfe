#pragma once
// Where a voice's sound goes: a stream bound to a WAV file, or an audio device.
#include "sapi/SapiTypes.h"

struct WAVEFORMATEX;

struct ISpStreamFormat : IUnknown {
    static constexpr IID kIid = {0x2B573284, 0xFC8A, 0x43C7, {0x8C, 0xE8, 0xC0, 0xE1, 0xF6, 0xE0, 0xAB, 0xBE}};
    using Base = IUnknown;
    // The format is returned in task memory (CoTaskMemFree).
    virtual HRESULT GetFormat(GUID* formatId, WAVEFORMATEX** format) = 0;
    // Audio devices block here as the sound plays.
    virtual HRESULT Write(const void* data, ULONG bytes, ULONG* written) = 0;
};

struct ISpStream : ISpStreamFormat {
    static constexpr IID kIid = {0x1C2AEA8F, 0xB865, 0x474E, {0x97, 0x72, 0x7F, 0x22, 0x60, 0x09, 0xBF, 0x8B}};
    using Base = ISpStreamFormat;
    // Only SPFM_CREATE and SPFM_CREATE_ALWAYS with SPDFID_WaveFormatEx PCM formats.
    virtual HRESULT BindToFile(LPCWSTR fileName, SPFILEMODE mode, const GUID* formatId, const WAVEFORMATEX* format,
                               ULONGLONG eventInterest) = 0;
    // Completes the file; the last Release does the same.
    virtual HRESULT Close() = 0;
};

struct ISpAudio : ISpStreamFormat {
    static constexpr IID kIid = {0x2B047298, 0x8FFC, 0x4824, {0x9F, 0x3A, 0xD6, 0x8B, 0x8B, 0x21, 0x23, 0x11}};
    using Base = ISpStreamFormat;
    virtual HRESULT SetFormat(REFGUID formatId, const WAVEFORMATEX* format) = 0;
    virtual HRESULT SetState(SPAUDIOSTATE state, ULONGLONG reserved) = 0;
    virtual HRESULT GetStatus(SPAUDIOSTATUS* status) = 0;
};

inline constexpr const IID& IID_ISpStreamFormat = ISpStreamFormat::kIid;
inline constexpr const IID& IID_ISpStream = ISpStream::kIid;
inline constexpr const IID& IID_ISpAudio = ISpAudio::kIid;
