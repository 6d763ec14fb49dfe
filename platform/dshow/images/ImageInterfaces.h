#pragma once
// Settings interfaces of the image writers and the animated-GIF multiplexer.
#include "com/Unknown.h"
#include "win32/WinTypes.h"

// The uploader is the caller's; the writer only hands it to the write call.
class CFtpUploader;

// Animated-GIF multiplexer: whether the animation loops (1) or plays once (0).
struct IAnimatedGifSettings : IUnknown {
    static constexpr IID kIid = {0xC3BD0786, 0x7CFE, 0x479D, {0xAF, 0x30, 0x34, 0x51, 0x8F, 0x52, 0x0B, 0x19}};
    using Base = IUnknown;
    virtual HRESULT SetLoop(BYTE loop) = 0;
};

// FTP image writer: each image goes to write(uploader, bytes, length); null detaches.
using FtpWriteCallback = bool (*)(CFtpUploader* uploader, const unsigned char* data, int length);
struct IFtpImageWriter : IUnknown {
    static constexpr IID kIid = {0x11DA4C46, 0xA1A1, 0x4996, {0x94, 0xB1, 0xCE, 0x44, 0xCC, 0x83, 0x73, 0xD0}};
    using Base = IUnknown;
    virtual HRESULT SetUploader(CFtpUploader* uploader, FtpWriteCallback write) = 0;
};

// "Image Upload": the pictures passing through, one at a time, for a sink. Pictures are
// 24- or 32-bit blue-green-red rows of whole four-byte multiples.
struct IImageFrameSink {
    virtual void TakeFrame(const BYTE* data, LONG size, LONG bits, bool topDown, LONG width, LONG height) = 0;

protected:
    ~IImageFrameSink() = default;
};

// The bytes of an encoded image, handed to whoever asked for them.
using ImageBytesWriter = void (*)(void* context, const BYTE* data, LONG size);

// "Image Upload": the sink of its pictures (null detaches, after a picture being handed
// over), and one picture encoded as an image file of a kind (1000 BMP, 1001 GIF, 1002 JPEG)
// at a size (its own when either side is 0), written to `write` in one piece.
struct IImageUploadFrames : IUnknown {
    static constexpr IID kIid = {0x95A831A0, 0x9DDD, 0x4776, {0x96, 0xE6, 0xEE, 0x60, 0xB8, 0x74, 0xA6, 0xA8}};
    using Base = IUnknown;
    virtual HRESULT SetFrameSink(IImageFrameSink* sink) = 0;
    virtual HRESULT EncodeFrame(const BYTE* data, LONG size, LONG bits, bool topDown, LONG width, LONG height,
                                LONG kind, LONG quality, LONG targetWidth, LONG targetHeight, ImageBytesWriter write,
                                void* context) = 0;
};
