#pragma once
// Hands a frame (null: the end) to an encoder and every packet it gives back to a sink.
#include "dshow/DShowTypes.h"

#include <functional>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;

using EncodedPacketSink = std::function<HRESULT(AVPacket& packet)>;

HRESULT EncodePackets(AVCodecContext* codec, AVFrame* frame, AVPacket* packet, const EncodedPacketSink& sink);
