#pragma once
// The video and audio codecs another engine (QuickTime, ffmpeg) offers for one output file
// type, in the order they were added; the codec catalogue copies them.
#include "CPersistList.h"
#include "win32/WinTypes.h"

// The output file-type id.
using ESplitterType = LONG;

class CAudioCodecInfo;
class CVideoCodecInfo;

class CThirdPartyFormat {
public:
    CThirdPartyFormat() = default;
    CThirdPartyFormat(const CThirdPartyFormat&) = delete;
    CThirdPartyFormat& operator=(const CThirdPartyFormat&) = delete;
    virtual ~CThirdPartyFormat() = default;

    void SetSplitterType(ESplitterType type) { m_splitterType = type; }
    ESplitterType GetSplitterType() const { return m_splitterType; }

    CVideoCodecInfo* AddVideoCodec(const char* name, const char* displayName, ULONG format, unsigned short blockSize,
                                   LONG encoderControl);
    CAudioCodecInfo* AddAudioCodec(const char* name, const char* displayName, ULONG format);
    // With a setting for each of the nine sample rates, mono then stereo.
    CAudioCodecInfo* AddAudioCodec(const char* name, const char* displayName, ULONG format, unsigned short bits,
                                   int ratio);
    // Nothing without a codec or a ratio; the bit rate is bits (16 for 0) x channels x rate / ratio.
    static void AddAudioSetting(CAudioCodecInfo* codec, ULONG sampleRate, unsigned short channels,
                                unsigned short bits, int ratio);
    // With the settings of the AAC table; the MPEG audio codecs use the same table.
    CAudioCodecInfo* AddAacAudioCodec(const char* name, const char* displayName, ULONG format, unsigned short bits);
    CAudioCodecInfo* AddMp2AudioCodec(const char* name, const char* displayName, ULONG format, unsigned short bits);

    int GetVideoCodecCount() const { return m_video.GetItemCount(); }
    CVideoCodecInfo* GetVideoCodec(int index) const;
    const char* GetVideoCodecName(int index) const;
    int GetAudioCodecCount() const { return m_audio.GetItemCount(); }
    CAudioCodecInfo* GetAudioCodec(int index) const;
    const char* GetAudioCodecName(int index) const;
    CVideoCodecInfo* FindVideoCodec(ULONG format) const;
    CAudioCodecInfo* FindAudioCodec(ULONG format) const;
    const char* GetVideoCodecNameByFormat(ULONG format) const;
    const char* GetAudioCodecNameByFormat(ULONG format) const;
    // The format of the first codec of exactly that display name; 0 when none.
    ULONG GetVideoCodecFormatByName(const char* displayName) const;
    ULONG GetAudioCodecFormatByName(const char* displayName) const;

    static const ULONG kSampleRates[9];

private:
    ESplitterType m_splitterType = 0;
    CPersistList m_video{true};
    CPersistList m_audio{true};
};
