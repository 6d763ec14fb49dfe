#pragma once
// Speaks text into a WAV file of the given format.
#include "CTextSpeechAdministrator.h"

class CTextToWavFileAdministrator : public CTextSpeechAdministrator {
public:
    CTextToWavFileAdministrator() = default;
    CTextToWavFileAdministrator(const CTextToWavFileAdministrator&) = default;
    CTextToWavFileAdministrator& operator=(const CTextToWavFileAdministrator&) = default;
    ~CTextToWavFileAdministrator() override = default;

    void SetSampleRate(unsigned long rate) { m_sampleRate = rate; }
    void SetChannelCount(unsigned short channels) { m_channels = channels; }
    void SetBitsPerSample(unsigned short bits) { m_bitsPerSample = bits; }
    void SetFilePath(const char* path) { m_path = path; }
    bool CreateOutput() override;

private:
    unsigned long m_sampleRate = 22050;
    unsigned short m_channels = 1;
    unsigned short m_bitsPerSample = 16;
    CString m_path;
};
