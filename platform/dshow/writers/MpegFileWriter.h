#pragma once
// The MPEG writer: MPEG-1 system streams, VCD, MPEG-2 program streams, SVCD and DVD,
// with MPEG-1/2 video and MPEG audio layer II encoded from RGB pictures and PCM.
#include "dshow/MediaFileWriter.h"
#include "dshow/interfaces/MpegWriterInterfaces.h"

#include <atomic>

class CMpegFileWriter : public CMediaFileWriter, public IMpegStreamSettings, public IMpegEncoderSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CMpegFileWriter();
    MV_FILTER_UNKNOWN

    HRESULT SetStreamFormat(LONG format) override;
    HRESULT SetPackOption(LONG value) override;
    HRESULT SetBufferOption(LONG value) override;
    HRESULT SetAudioStreams(LONG count) override;
    HRESULT SetVideoStream(BOOL on) override;
    HRESULT SetTimingOption(LONG value) override;
    HRESULT SetEndOption(LONG value) override;

    HRESULT SetHeight(LONG height) override;
    HRESULT SetFieldOption(LONG value) override;
    HRESULT SetWidth(LONG width) override;
    HRESULT SetVideoBitrate(LONG bitrate) override;
    HRESULT SetAudioBitrate(LONG bitrate) override;
    HRESULT SetVariableBitrate(BOOL on) override;
    HRESULT SetMotionOption(LONG value) override;
    HRESULT SetSampleRate(LONG rate) override;

protected:
    void* FindInterface(REFIID iid) override;
    SStreamEncoding EncodingOf(CBasePin* pin, bool video) const override;
    const char* Container() const override;
    bool Writes(CBasePin* pin) const override;

private:
    // Sound alone in an MPEG-1 system stream: written as plain layer III audio.
    bool AudioOnly() const;

    std::atomic<LONG> m_format{0};
    std::atomic<LONG> m_audioStreams{1};
    std::atomic<bool> m_video{true};
    std::atomic<LONG> m_width{0};
    std::atomic<LONG> m_height{0};
    std::atomic<LONG> m_videoBitrate{0};
    std::atomic<LONG> m_audioBitrate{0};
    std::atomic<bool> m_variable{false};
    std::atomic<LONG> m_sampleRate{0};
};

void DShowRegisterMpegWriter();
