#pragma once
// The codecs this runtime encodes with, their formats, and the stream data each format
// stands for. The audio codec is FFmpeg's "wmav2", the video codec its "wmv2".
#include "wmf/WmStreamConfig.h"

#include <string>

struct SWmAudioFormat {
    DWORD sampleRate;
    WORD channels;
    DWORD bitrate;
    bool audioVideo; // suited to a stream beside video
};

struct SWmCodec {
    const GUID* type;
    const char16_t* name;
    const char* encoder; // FFmpeg's encoder
    const SWmAudioFormat* audioFormats; // null for the video codec
    DWORD formatCount;
    bool variableBitrate; // takes "_VBRENABLED" true
};

// The codecs of one stream type, in index order.
DWORD WmCodecCount(const GUID& type);
const SWmCodec* WmCodecAt(const GUID& type, DWORD index);
// The codec that encodes a stream of that media type, or null.
const SWmCodec* WmCodecOf(const AM_MEDIA_TYPE& type);

// The stream a format stands for, numbered 0 until it is added to a profile.
SWmStream WmAudioStream(const SWmAudioFormat& format);
SWmStream WmVideoStream(LONG width, LONG height, REFERENCE_TIME frameTime, DWORD bitrate);
// The bytes of one coded block of the audio codec at that rate, channels and bit rate.
WORD WmaBlockAlign(DWORD sampleRate, WORD channels, DWORD bitrate);
// "128 kbps, 44 kHz, stereo CBR", with " (A/V)" for the formats suited to video.
std::u16string WmAudioFormatText(const SWmAudioFormat& format);
