#pragma once
// The seven settings interfaces of the scaler and colour converter stage, in the slot
// order their callers use.
#include "dshow/DShowTypes.h"

struct IScalerEffects : IUnknown {
    static constexpr IID kIid = {0xC97C92CC, 0x2218, 0x4E2C, {0xA8, 0xA4, 0x4B, 0x3C, 0x46, 0x12, 0xB4, 0xA4}};
    using Base = IUnknown;
    virtual HRESULT SetGreyScale(BYTE on) = 0;
    virtual HRESULT GetGreyScale(BYTE* on) = 0;
    virtual HRESULT SetKeepAspect(BYTE on) = 0;
};

// EColorFormat of the output: 103 RGB24, 106 ARGB32, 107 RGB32; 0 keeps the input's.
struct IScalerColorFormat : IUnknown {
    static constexpr IID kIid = {0xB3EC38F4, 0x227E, 0x4320, {0x8F, 0x39, 0xE9, 0x55, 0xF7, 0xDE, 0xA8, 0x69}};
    using Base = IUnknown;
    virtual HRESULT SetColorFormat(LONG format) = 0;
};

struct IScalerCropMode : IUnknown {
    static constexpr IID kIid = {0x29531769, 0x3DA8, 0x4214, {0x8C, 0xDA, 0xB0, 0x91, 0x42, 0xFF, 0x78, 0xB1}};
    using Base = IUnknown;
    virtual HRESULT SetCropping(BYTE on) = 0;
};

struct IScalerOutputSize : IUnknown {
    static constexpr IID kIid = {0xF82CC9E1, 0x20E1, 0x4A63, {0x9B, 0x93, 0x5A, 0x03, 0x10, 0xC0, 0xBD, 0xC4}};
    using Base = IUnknown;
    virtual HRESULT SetKeepSize(BYTE on) = 0;
    virtual HRESULT SetWidth(LONG width) = 0;
    virtual HRESULT SetHeight(LONG height) = 0;
    virtual HRESULT SetInputAspectFromSource(BYTE on) = 0;
    virtual HRESULT SetOutputAspectFromSource(BYTE on) = 0;
    virtual HRESULT SetInputAspect(double aspect) = 0;
    virtual HRESULT SetOutputAspect(double aspect) = 0;
    // 0 scale to fit, 1 pan-and-scan, 2 letter-box.
    virtual HRESULT SetScaling(LONG scaling) = 0;
};

struct IScalerCrop : IUnknown {
    static constexpr IID kIid = {0xF6D7D923, 0x5348, 0x4E0B, {0x94, 0x8C, 0x3C, 0xCA, 0x8D, 0xE4, 0x4C, 0xC8}};
    using Base = IUnknown;
    virtual HRESULT SetLeft(LONG left) = 0;
    virtual HRESULT SetTop(LONG top) = 0;
    virtual HRESULT SetCropWidth(LONG width) = 0;
    virtual HRESULT SetCropHeight(LONG height) = 0;
    virtual HRESULT SetPlaceLeft(LONG left) = 0;
    virtual HRESULT SetPlaceTop(LONG top) = 0;
    virtual HRESULT SetPlaceWidth(LONG width) = 0;
    virtual HRESULT SetPlaceHeight(LONG height) = 0;
    virtual HRESULT SetFrameWidth(LONG width) = 0;
    virtual HRESULT SetFrameHeight(LONG height) = 0;
};

// Flip: 0 none, 1 left-right, 2 top-bottom. Rotation: 0 none, 1 a quarter turn
// anticlockwise, 2 a quarter turn clockwise, 3 a half turn.
struct IScalerOrientation : IUnknown {
    static constexpr IID kIid = {0x032EA767, 0xDB71, 0x4177, {0x8A, 0xD4, 0xCA, 0xDE, 0xEE, 0xE6, 0x42, 0x77}};
    using Base = IUnknown;
    virtual HRESULT SetFlip(LONG flip) = 0;
    virtual HRESULT GetFlip(LONG* flip) = 0;
    virtual HRESULT SetRotation(LONG rotation) = 0;
};

struct IScalerOutputRate : IUnknown {
    static constexpr IID kIid = {0x492DF120, 0xEC10, 0x4A12, {0x89, 0x9B, 0xD1, 0x3D, 0xD1, 0xF9, 0xD5, 0x8D}};
    using Base = IUnknown;
    virtual HRESULT SetOutputAspect(double aspect) = 0;
};
