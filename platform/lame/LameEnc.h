#pragma once
// The MP3 encoder library's published interface. Programs load "lame_enc.dll" by name and
// bind the four entry points below; a stream turns interleaved 16-bit PCM of one rate and
// channel count into constant-bitrate MP3 frames.
#include "win32/WinTypes.h"

using BE_ERR = DWORD;
// An id into the library's table of open streams, 0 for none.
using HBE_STREAM = DWORD;

constexpr BE_ERR BE_ERR_SUCCESSFUL = 0x00000000;
constexpr BE_ERR BE_ERR_INVALID_FORMAT = 0x00000001;            // unknown record kind, version or size
constexpr BE_ERR BE_ERR_INVALID_FORMAT_PARAMETERS = 0x00000002; // a value or pointer the encoder cannot take
constexpr BE_ERR BE_ERR_NO_MORE_HANDLES = 0x00000003;
constexpr BE_ERR BE_ERR_INVALID_HANDLE = 0x00000004;
constexpr BE_ERR BE_ERR_BUFFER_TOO_SMALL = 0x00000005;

// Record kinds: only the LAME header version 1 record is understood.
constexpr DWORD BE_CONFIG_MP3 = 0;
constexpr DWORD BE_CONFIG_LAME = 256;

constexpr LONG BE_MP3_MODE_STEREO = 0;
constexpr LONG BE_MP3_MODE_JSTEREO = 1;
constexpr LONG BE_MP3_MODE_DUALCHANNEL = 2;
constexpr LONG BE_MP3_MODE_MONO = 3;

constexpr DWORD MPEG1 = 1;
constexpr DWORD MPEG2 = 0;

constexpr LONG LQP_NOPRESET = -1;

#pragma pack(push, 1)
struct BE_CONFIG {
    DWORD dwConfig; // BE_CONFIG_LAME
    union {
        struct {
            DWORD dwStructVersion; // 1
            DWORD dwStructSize;    // sizeof(BE_CONFIG), 331
            DWORD dwSampleRate;    // of the PCM given, 8000 to 192000
            DWORD dwReSampleRate;  // of the MP3 (one of its nine rates), 0 for the encoder's choice
            LONG nMode;            // BE_MP3_MODE_*; mono takes one channel, the others two
            DWORD dwBitrate;       // kilobits per second, 0 for the encoder's choice
            DWORD dwMaxBitrate;
            LONG nPreset;          // LQP_NOPRESET
            DWORD dwMpegVersion;   // MPEG1 or MPEG2; the sample rate decides what is written
            DWORD dwPsyModel;
            DWORD dwEmphasis;      // 0 none, 1 50/15 ms, 3 CCITT
            BOOL bPrivate;
            BOOL bCRC;
            BOOL bCopyright;
            BOOL bOriginal;
            BOOL bWriteVBRHeader;  // not built: must be 0
            BOOL bEnableVBR;       // not built: must be 0
            INT nVBRQuality;
            DWORD dwVbrAbr_bps;
            LONG nVbrMethod;
            BOOL bNoRes;           // no bit reservoir: every frame stands alone
            BOOL bStrictIso;
            WORD nQuality;
            BYTE btReserved[237];
        } LHV1;
    } format;
};
#pragma pack(pop)
static_assert(sizeof(BE_CONFIG) == 331, "the record's size is part of the interface");

constexpr DWORD CURRENT_STRUCT_VERSION = 1;
constexpr DWORD CURRENT_STRUCT_SIZE = sizeof(BE_CONFIG);

#define BE_EXPORT extern "C" __attribute__((visibility("default")))

// Opens a stream. On success gives the PCM samples (all channels counted) a chunk holds,
// the MP3 bytes one chunk or the flush can write at most, and the stream; on failure the
// outputs that exist are 0.
BE_EXPORT BE_ERR beInitStream(BE_CONFIG* pbeConfig, DWORD* dwSamples, DWORD* dwBufferSize,
                              HBE_STREAM* phbeStream);
// Encodes up to one chunk of samples (all channels counted); a stereo stream drops an odd last one.
// pOutput holds the buffer size beInitStream gave.
BE_EXPORT BE_ERR beEncodeChunk(HBE_STREAM hbeStream, DWORD nSamples, const SHORT* pSamples,
                               BYTE* pOutput, DWORD* pdwOutput);
// Writes the frames still held by the encoder; the stream takes no more samples after it.
BE_EXPORT BE_ERR beDeinitStream(HBE_STREAM hbeStream, BYTE* pOutput, DWORD* pdwOutput);
BE_EXPORT BE_ERR beCloseStream(HBE_STREAM hbeStream);

// The entry points as a program binds them by name.
using BEINITSTREAM = BE_ERR (*)(BE_CONFIG*, DWORD*, DWORD*, HBE_STREAM*);
using BEENCODECHUNK = BE_ERR (*)(HBE_STREAM, DWORD, const SHORT*, BYTE*, DWORD*);
using BEDEINITSTREAM = BE_ERR (*)(HBE_STREAM, BYTE*, DWORD*);
using BECLOSESTREAM = BE_ERR (*)(HBE_STREAM);
