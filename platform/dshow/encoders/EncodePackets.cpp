#include "dshow/encoders/EncodePackets.h"

extern "C" {
#include <libavcodec/avcodec.h>
}

HRESULT EncodePackets(AVCodecContext* codec, AVFrame* frame, AVPacket* packet, const EncodedPacketSink& sink)
{
    if (avcodec_send_frame(codec, frame) < 0) return E_FAIL;
    for (;;) {
        int got = avcodec_receive_packet(codec, packet);
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF) return S_OK;
        if (got < 0) return E_FAIL;
        HRESULT hr = sink(*packet);
        av_packet_unref(packet);
        if (FAILED(hr)) return hr;
    }
}
