#pragma once
// The media type under which a source offers one stream of a demultiplexed file: plain
// PCM as PCM, anything else as a coded stream for this layer's decoders.
#include "dshow/MediaType.h"

struct AVStream;

// False for a stream that is neither sound nor picture, or that is out of bounds
// (no rate or channels, no size, too many channels, too much set-up data).
bool MakeStreamType(const AVStream& stream, CMediaType& type);
