#pragma once
// The still-image formats the image encoders make, and the video type that carries one
// whole image file per sample between an encoder and the writers.
#include "dshow/DShowTypes.h"

#include <cstddef>

class CMediaType;
struct VideoEncoderKind;

struct ImageKind {
    const VideoEncoderKind* filter; // the encoder filter's class id, name and codec
    int codecId;
    const char* extension; // of the files written
    int pixelFormat;       // the pictures the encoder is given
};

// Every kind in turn (null past the last).
const ImageKind* ImageKindAt(size_t index);
// The kind of an encoder class id or of a codec id; null when none.
const ImageKind* ImageKindOfEncoder(REFCLSID clsid);
const ImageKind* ImageKindOfCodec(int codecId);

bool MakeImageType(CMediaType& type, const ImageKind& kind, LONG width, LONG height, REFERENCE_TIME frameTime);
// The kind of an image type (null when the type is none), with its size when asked.
const ImageKind* ReadImageType(const AM_MEDIA_TYPE& type, LONG* width = nullptr, LONG* height = nullptr);
