#pragma once
// The Windows Media writer of type 200: a profile made from the codecs and stream settings.
#include "CWmAsfWriter.h"

struct IWMStreamConfig;

class CWmCodecFileWriter2 : public CWmAsfWriter {
public:
    explicit CWmCodecFileWriter2(CDirectShowGraph* graph = nullptr, const char* name = "WMV Writer");

    // A profile of the wanted streams, made from the engine's stream configurations.
    bool SetupBeforeConnect() override;
    // The vault settings of an encoder control (quality, constant, two-pass, peak-limited).
    static void SetEncodingMode(IWMStreamConfig* config, LONG encoderControl, DWORD quality, DWORD bitrate);

    void SetVideoCodecName(const char* name) { m_videoCodecName = name ? name : ""; }
    void SetAudioCodecName(const char* name) { m_audioCodecName = name ? name : ""; }
    void SetSampleRate(unsigned long rate) { m_sampleRate = rate; }
    void SetChannels(unsigned short channels) { m_channels = channels; }
    void SetBitsPerSample(unsigned short bits) { m_bits = bits; }
    void SetAudioEncoderControl(LONG control) { m_audioEncoderControl = control; }
    void SetAudioBitrate(unsigned long bitrate) { m_audioBitrate = bitrate; }
    void SetAudioQuality(unsigned char quality) { m_audioQuality = quality; }
    void SetWidth(unsigned short width) { m_width = width; }
    void SetHeight(unsigned short height) { m_height = height; }
    void SetFrameRate(double rate) { m_frameRate = rate; }
    void SetVideoEncoderControl(LONG control) { m_videoEncoderControl = control; }
    // A zero bitrate keeps the one set before.
    void SetVideoBitrate(unsigned long bitrate);
    void SetVideoQuality(unsigned char quality) { m_videoQuality = quality; }
    unsigned long GetVideoBitrate() const { return m_videoBitrate; }

private:
    bool AddVideoStream(IWMProfile* profile, WORD number, const char* codecName);

    CString m_videoCodecName;
    CString m_audioCodecName;
    unsigned short m_width = 320;
    unsigned short m_height = 240;
    double m_frameRate = 29.97;
    LONG m_videoEncoderControl = 1;
    unsigned long m_videoBitrate = 320000;
    unsigned char m_videoQuality = 95;
    unsigned long m_sampleRate = 44100;
    unsigned short m_channels = 2;
    unsigned short m_bits = 16;
    LONG m_audioEncoderControl = 2;
    unsigned long m_audioBitrate = 0;
    unsigned char m_audioQuality = 95;
};
