#pragma once
// Decodes the coded audio streams of the file source to 16-bit PCM at the stream's
// own rate and channel count.
#include "dshow/BaseFilter.h"

#include <memory>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
class CAudioConverter;

class CAudioDecoder : public CBaseFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAudioDecoder();

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT CompleteConnect(CBasePin* pin, IPin* peer) override;
    void BreakConnect(CBasePin* pin) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    ~CAudioDecoder() override;
    HRESULT OnPause() override;

private:
    HRESULT Drain(bool final);
    HRESULT DeliverConverted(bool final);
    void CloseCodec();

    AVCodecContext* m_codec = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    std::unique_ptr<CAudioConverter> m_converter;
    REFERENCE_TIME m_next = 0; // time of the next PCM sample handed on
    bool m_timeKnown = false;
};

extern const CLSID CLSID_AudioDecoder;
