#pragma once
// The "Snap Shot" stage's interfaces. Images are packed device-independent bitmaps (the
// bitmap header, then the rows bottom-up); an image from either grab is given back
// through ReleaseImage. Image kinds: 1000 BMP, 1001 GIF, 1002 JPEG.
#include "dshow/DShowTypes.h"

// Settings, in the order they are passed, and file saving. Mode 0 takes no thumbnail;
// any other mode saves one picture, the first at or after the position, under the name.
struct ISnapshotSettings : IUnknown {
    static constexpr IID kIid = {0x5CB65709, 0x5207, 0x4331, {0x96, 0x6C, 0x4E, 0xEC, 0x99, 0xC0, 0x1B, 0x03}};
    using Base = IUnknown;
    virtual HRESULT SetMode(LONG mode) = 0;
    virtual HRESULT SetKind(LONG kind) = 0;
    virtual HRESULT SetPosition(double seconds) = 0;
    virtual HRESULT SetResize(BYTE on) = 0;
    virtual HRESULT SetWidth(LONG width) = 0;
    virtual HRESULT SetHeight(LONG height) = 0;
    virtual HRESULT SetName(const char* name) = 0;
    // Quality 1..100 is the JPEG quality; other codes take the default.
    virtual HRESULT SaveImage(const BYTE* dib, LONG size, const char* path, LONG kind, LONG quality) = 0;
};

// The latest picture at its own size; S_FALSE when there is none yet.
struct ISnapshotGrab : IUnknown {
    static constexpr IID kIid = {0xF1AEEED4, 0x64B6, 0x47FC, {0x83, 0x76, 0xB6, 0xE4, 0xD8, 0xB3, 0xC8, 0x71}};
    using Base = IUnknown;
    virtual HRESULT GrabImage(BYTE** dib, LONG* size) = 0;
};

// The latest picture scaled, and the release of any image either grab gave.
struct ISnapshotScaledGrab : IUnknown {
    static constexpr IID kIid = {0xF810966F, 0xBA9D, 0x4AD9, {0x8A, 0x92, 0x82, 0xE8, 0xCB, 0x4A, 0x99, 0x40}};
    using Base = IUnknown;
    virtual HRESULT GrabScaledImage(LONG width, LONG height, BYTE** dib, LONG* size) = 0;
    virtual HRESULT ReleaseImage(BYTE* dib) = 0;
};
