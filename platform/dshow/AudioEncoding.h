#pragma once
// Encodes PCM with a named encoder: conversion to what the encoder takes, whole
// frames, and the final short frame and flush. Shared by the encoder filters and the
// writers that encode by themselves.
#include "dshow/AudioConverter.h"
#include "dshow/DShowTypes.h"
#include "dshow/encoders/EncodePackets.h"

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct WAVEFORMATEX;

class CAudioEncoding {
public:
    // Packets come out in the codec's time base (1 / sample rate).
    using PacketSink = EncodedPacketSink;

    CAudioEncoding() = default;
    ~CAudioEncoding();
    CAudioEncoding(const CAudioEncoding&) = delete;
    CAudioEncoding& operator=(const CAudioEncoding&) = delete;

    // Channels above maxChannels are mixed down; bitRate 0 leaves the encoder's choice.
    // A non-zero outRate or outChannels converts to that rate or channel count instead.
    HRESULT Open(const char* encoder, int64_t bitRate, int maxChannels, const WAVEFORMATEX& input, bool globalHeader,
                 int outRate = 0, int outChannels = 0);
    void Close();
    bool IsOpen() const { return m_codec != nullptr; }
    AVCodecContext* Codec() const { return m_codec; }
    // Interleaved PCM of the input format.
    HRESULT Push(const BYTE* data, LONG size, const PacketSink& sink);
    // Sends what is left and flushes the encoder; it must be opened again to go on.
    HRESULT Finish(const PacketSink& sink);

private:
    HRESULT EncodeQueued(bool final, const PacketSink& sink);
    HRESULT Encode(AVFrame* frame, const PacketSink& sink);

    AVCodecContext* m_codec = nullptr;
    AVFrame* m_frame = nullptr;
    AVPacket* m_packet = nullptr;
    CAudioConverter m_converter;
    int m_inFrameBytes = 0;
    int64_t m_samples = 0;
};
