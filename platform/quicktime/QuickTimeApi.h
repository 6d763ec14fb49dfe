#pragma once
// The QuickTime library's published start-up calls. Programs load "QTMLClient.dll" by name
// and bind these entry points; the version it reports is that of a QuickTime whose H.264
// paths work when an H.264 encoder is present.
#include "win32/WinTypes.h"

using OSErr = int16_t;
using OSType = uint32_t;

inline constexpr OSErr noErr = 0;
inline constexpr OSErr qtmlNotInitialized = -2095; // a call before InitializeQTML
inline constexpr OSErr gestaltUndefSelectorErr = -5551;

// 'qtim': the QuickTime version in the high 16 bits (0x07030000 and above take the H.264 paths).
inline constexpr OSType gestaltQuickTime = 0x7174696D;

#define QT_EXPORT extern "C" __attribute__((visibility("default")))

QT_EXPORT OSErr InitializeQTML(long flags);
QT_EXPORT void TerminateQTML();
QT_EXPORT OSErr Gestalt(OSType selector, long* response);
QT_EXPORT OSErr EnterMovies();
QT_EXPORT void ExitMovies();
// The FFmpeg encoder behind a QuickTime compressor or sound format code (such as 'mp4v',
// 'avc1', 'mp4a', 'twos'), or null when none can encode it here.
QT_EXPORT const char* QTEncoderForFormat(OSType format);

// What a settings block of an exporter or of the standard compressor holds; 0 where it
// names nothing.
struct QTSettingsSummary {
    OSType videoCodec;
    int32_t quality;      // 0-1023
    int32_t keyFrameRate; // frames between key frames
    int32_t dataRate;     // video bytes per second
    OSType soundFormat;
    uint32_t sampleRate;  // 16.16
    int16_t channels;
    int32_t soundBitRate; // bits per second
};
// Reads a settings block; false when the bytes are not one.
QT_EXPORT bool QTReadSettings(const void* bytes, int32_t size, QTSettingsSummary* summary);

using InitializeQTMLProc = OSErr (*)(long);
using TerminateQTMLProc = void (*)();
using GestaltProc = OSErr (*)(OSType, long*);
using EnterMoviesProc = OSErr (*)();
using ExitMoviesProc = void (*)();
using QTEncoderForFormatProc = const char* (*)(OSType);
using QTReadSettingsProc = bool (*)(const void*, int32_t, QTSettingsSummary*);
