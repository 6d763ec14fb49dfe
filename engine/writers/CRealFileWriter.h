#pragma once
// The RealMedia writer (type 1000) with the producer's output settings.
#include "CFileWriterFilter.h"

class CRealFileWriter : public CFileWriterFilter {
public:
    explicit CRealFileWriter(CDirectShowGraph* graph = nullptr, const char* name = "RealMedia Writer");

    // The settings through the interfaces the filter offers, with the engine's capturing switch.
    bool SetupBeforeConnect() override;

    void SetAudience(const char* audience) { m_audience = audience ? audience : ""; }
    void SetVideoMode(LONG mode) { m_videoMode = mode; }
    void SetVideoComplexity(LONG complexity) { m_videoComplexity = complexity; }
    void SetKeyFrame(unsigned long interval) { m_keyFrame = interval; }
    void SetLatency(unsigned short latency) { m_latency = latency; }
    void SetAudioMode(LONG mode) { m_audioMode = mode; }
    void SetAudioComplexity(LONG complexity) { m_audioComplexity = complexity; }

private:
    CString m_audience;
    LONG m_videoMode = 0;
    LONG m_videoComplexity = 1;
    unsigned long m_keyFrame = 15;
    unsigned short m_latency = 4;
    LONG m_audioMode = 0;
    LONG m_audioComplexity = 1;
};
