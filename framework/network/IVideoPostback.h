#pragma once
// The image source of a video stream (a capture filter outside the system) and the sink it
// hands each frame to.
#include "MediaTypes.h"
#include "com/Unknown.h"

class CHandle;
enum EColorFormat : int;

struct IVideoPostbackHandler : IUnknown {
    // {8BE58398-96E2-4DBA-92A8-75945A1B6516}
    static constexpr IID kIid = {0x8BE58398, 0x96E2, 0x4DBA, {0x92, 0xA8, 0x75, 0x94, 0x5A, 0x1B, 0x65, 0x16}};
    using Base = IUnknown;

    virtual HRESULT ProcessImage(const unsigned char* data, unsigned long length, EColorFormat colour, bool topDown,
                                 unsigned short imageWidth, unsigned short imageHeight, unsigned short bufferWidth,
                                 unsigned short bufferHeight) = 0;
};

struct IVideoPostback : IUnknown {
    // {5C7E2B1A-3D4F-4A8B-9E61-0F2D7C3B8A45}
    static constexpr IID kIid = {0x5C7E2B1A, 0x3D4F, 0x4A8B, {0x9E, 0x61, 0x0F, 0x2D, 0x7C, 0x3B, 0x8A, 0x45}};
    using Base = IUnknown;

    // Null detaches the current handler.
    virtual HRESULT SetPostbackHandler(IVideoPostbackHandler* handler) = 0;
    // Fills output with the encoded image file of a frame; leaves it empty on failure.
    virtual HRESULT EncodeImage(const unsigned char* data, unsigned long length, EColorFormat colour, bool topDown,
                                unsigned short imageWidth, unsigned short imageHeight, unsigned short bufferWidth,
                                unsigned short bufferHeight, EImageType type, unsigned char quality,
                                unsigned short targetWidth, unsigned short targetHeight, CHandle* output) = 0;
};
