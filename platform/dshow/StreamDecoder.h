#pragma once
// The common part of the decoders: one coded input, one decoded output. It opens the
// decoder when the input connects, feeds it packets, and hands each decoded frame to
// the derived decoder, which converts and delivers it.
#include "dshow/BaseFilter.h"

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

class CStreamDecoder : public CBaseFilter {
public:
    // codecs: the codec numbers taken, ending in 0; null takes every codec a decoder exists for.
    CStreamDecoder(REFCLSID clsid, const GUID& major, const int* codecs = nullptr);

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT CompleteConnect(CBasePin* pin, IPin* peer) override;
    void BreakConnect(CBasePin* pin) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    ~CStreamDecoder() override;
    HRESULT OnPause() override;

    // The decoder is open: check what it reports and get ready; a failure refuses the input.
    virtual HRESULT OnOpened(const AM_MEDIA_TYPE& input) = 0;
    // A new stream starts (a run or a seek).
    virtual void OnRestart() = 0;
    // Takes one decoded frame; the frame is unreferenced afterwards.
    virtual HRESULT OnFrame(AVFrame& frame) = 0;
    // The stream ended: deliver what is still held.
    virtual HRESULT OnDrained() { return S_OK; }
    virtual void OnClosed() {}

    AVCodecContext* Codec() const { return m_codec; }
    CBasePin* Output() const { return PinAt(1); }

private:
    HRESULT Drain();
    void CloseCodec();

    GUID m_major;
    const int* m_codecs;
    AVCodecContext* m_codec = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
};
