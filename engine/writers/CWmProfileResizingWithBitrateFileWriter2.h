#pragma once
// The Windows Media writer of type 252: a stored profile with the output's own video and
// audio settings.
#include "CWmProfileResizingFileWriter2.h"

class CWmProfileResizingWithBitrateFileWriter2 : public CWmProfileResizingFileWriter2 {
public:
    explicit CWmProfileResizingWithBitrateFileWriter2(CDirectShowGraph* graph = nullptr,
                                                      const char* name = "WMV Writer");

    void SetVideoCodecName(const char* name) { m_videoCodecName = name ? name : ""; }
    void SetVideoBitrate(unsigned long bitrate) { m_videoBitrate = bitrate; }
    void SetAudioCodecName(const char* name) { m_audioCodecName = name ? name : ""; }
    void SetSampleRate(unsigned long rate) { m_sampleRate = rate; }
    void SetChannels(unsigned short channels) { m_channels = channels; }
    void SetBitsPerSample(unsigned short bits) { m_bits = bits; }
    void SetAudioBitrate(unsigned long bitrate) { m_audioBitrate = bitrate; }

    // A profile name is needed.
    bool SetupBeforeConnect() override;

protected:
    // The output's own video and audio settings.
    CWmProfile2* Adjust(const CWmProfile2& found) const override;

private:
    CString m_videoCodecName;
    unsigned long m_videoBitrate = 0;
    CString m_audioCodecName;
    unsigned long m_sampleRate = 0;
    unsigned short m_channels = 0;
    unsigned short m_bits = 0;
    unsigned long m_audioBitrate = 0;
};
