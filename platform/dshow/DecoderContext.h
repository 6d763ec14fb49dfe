#pragma once
// Opens the decoder for a coded stream type of the file source.
#include "dshow/DShowTypes.h"

struct AVCodecContext;

// Null when the type is not a whole coded type or no decoder opens for it. Packet
// times are in 100-nanosecond units.
AVCodecContext* OpenCodecDecoder(const AM_MEDIA_TYPE& type);
// Whether a decoder exists for the coded type of that major type.
bool CanDecode(const AM_MEDIA_TYPE& type, const GUID& major);
// The codec number of a coded type (0 when it is none).
int CodedCodecId(const AM_MEDIA_TYPE& type);
