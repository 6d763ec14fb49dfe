#pragma once
// A container writer's output that hands its bytes to a callback instead of a file.
#include <cstdint>

struct AVFormatContext;
class CMediaType;

using ByteWriter = int (*)(void* opaque, uint8_t* data, int size);
using ByteSeeker = int64_t (*)(void* opaque, int64_t offset, int whence);

// Gives the container such an output (seek null: it cannot move); false when out of memory.
bool AttachByteOutput(AVFormatContext& output, void* opaque, ByteWriter write, ByteSeeker seek);
// Frees the container with the output attached to it.
void FreeByteOutput(AVFormatContext*& output);
// The type of the byte stream such an output hands on, for a file writer.
void MakeByteStreamType(CMediaType& type);
