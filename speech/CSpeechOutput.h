#pragma once
// Where a talker's sound goes, and in which wave format.
struct WAVEFORMATEX;
class CSpeechTalker;

class CSpeechOutput {
public:
    explicit CSpeechOutput(CSpeechTalker* talker) : m_talker(talker) {}
    CSpeechOutput(const CSpeechOutput&) = default;
    CSpeechOutput& operator=(const CSpeechOutput&) = default;
    virtual ~CSpeechOutput() = default;
    virtual bool Create() = 0;

    void SetSampleRate(unsigned long rate) { m_sampleRate = rate; }
    void SetChannelCount(unsigned short channels) { m_channels = channels; }
    void SetBitsPerSample(unsigned short bits) { m_bitsPerSample = bits; }
    // False, format untouched, when the rate, channel count or sample width is 0.
    bool BuildWavFormat(WAVEFORMATEX& format);

protected:
    CSpeechTalker* m_talker; // not owned
    unsigned long m_sampleRate = 22050;
    unsigned short m_channels = 1;
    unsigned short m_bitsPerSample = 16;
};
