#pragma once
// The source side of a sound-card recording: the audio capture device, optionally behind a
// double buffer, offering one processing audio pin.
#include "CInputFilters2.h"
#include "dshow/DShowTypes.h"

class CAudioCaptureFilter;
class CBufferFilter;
class CFilterPin;
struct IPin;

class CAudioCaptureInputFilters2 : public CInputFilters2 {
public:
    explicit CAudioCaptureInputFilters2(CDirectShowGraph* graph = nullptr);
    ~CAudioCaptureInputFilters2() override;

    bool Prepare() override;
    bool CreateSelf() override;
    void Release() override;
    bool Connect() override;
    void Disconnect() override;
    int GetAudioPinCount(EOutputType type) override;
    CFilterPin* GetAudioPin(EOutputType type, int index) override;

    void SetSampleRate(unsigned long rate) { m_sampleRate = rate; }
    void SetBitsPerSample(unsigned short bits) { m_bitsPerSample = bits; }
    void SetChannelCount(unsigned short channels) { m_channelCount = channels; }
    void SetAudioSource(const char* displayName);
    void SetAudioConnector(const char* inputLine);
    void SetVolume(bool apply, unsigned char level);
    void SetDoubleBuffer(bool on) { m_doubleBuffer = on; }
    // Owned types (DeleteMediaType) or null.
    AM_MEDIA_TYPE* GetProperMediaType(IPin* pin);
    AM_MEDIA_TYPE* GetParticularMediaType(IPin* pin, unsigned long rate);

    unsigned long GetSampleRate() const { return m_sampleRate; }
    unsigned short GetBitsPerSample() const { return m_bitsPerSample; }
    unsigned short GetChannelCount() const { return m_channelCount; }
    CAudioCaptureFilter* GetAudioCapture() const { return m_audioCapture; }
    CBufferFilter* GetDoubleBuffer() const { return m_buffer; }

    static const char* const kLoadError;
    static const char* const kBufferError;
    static const char* const kConnectBufferError;

protected:
    // The capture device and its double buffer, the failure told by the text given.
    bool CreateAudio(const char* loadError);
    // Capture pin into the double buffer, when there is one.
    bool ConnectAudio();
    // The live end of the audio side: the buffer's output, else the capture pin.
    CFilterPin* GetAudioEnd();
    CFilterPin* GetCaptureAudioPin() const;
    void ReleaseAudio();

    CAudioCaptureFilter* m_audioCapture;
    CBufferFilter* m_buffer = nullptr;
    unsigned long m_sampleRate = 22050;
    unsigned short m_bitsPerSample = 16;
    unsigned short m_channelCount = 2;
    bool m_doubleBuffer = false;
};
