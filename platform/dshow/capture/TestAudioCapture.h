#pragma once
// "Test Audio Capture": a microphone that hears a 440 Hz tone, live, as PCM of the usual
// rates, channel counts and sample sizes. Its lines: "Microphone" (the tone, louder with its
// level) and "Line In" (silent).
#include "dshow/capture/CaptureSource.h"

class CTestAudioCapture : public CCaptureSource {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTestAudioCapture();

protected:
    ~CTestAudioCapture() override;
    HRESULT Open(const AM_MEDIA_TYPE& format) override;
    HRESULT Capture(const AM_MEDIA_TYPE& format) override;
    void Close() override {}

private:
    int64_t m_sample = 0; // the next sample frame
    std::vector<BYTE> m_block;
    const CAudioInputLine& m_microphone;
};
