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
