#pragma once
// The picture work of the scaler stage: crop, scale (stretched, pan-and-scan or
// letter-boxed by the aspect ratios), flip, rotate and grey, from one RGB picture into
// another. The stage calls the routine set here; the built-in one stands until the
// application plugs in its own image processing.
#include "dshow/DShowTypes.h"

struct VideoPicture {
    BYTE* data = nullptr;
    LONG width = 0;
    LONG height = 0;
    LONG stride = 0;      // bytes from one row to the next as stored
    WORD bits = 32;       // 24 or 32
    bool bottomUp = true; // the first stored row is the bottom one
};

struct VIDEOINFOHEADER;

// The picture an RGB video header describes, over data.
VideoPicture PictureOf(const VIDEOINFOHEADER& info, BYTE* data);
// The bytes a sample must hold for that picture: its rows, and at least the header's image size.
size_t PictureBytes(const VIDEOINFOHEADER& info);

struct VideoScaleSettings {
    LONG cropLeft = 0, cropTop = 0, cropWidth = 0, cropHeight = 0; // a width or height of 0: no crop
    LONG flip = 0;
    LONG rotation = 0;
    bool grey = false;
    bool keepAspect = true;
    LONG scaling = 0;
    double inAspect = 0;  // 0: the picture's own
    double outAspect = 0; // 0: the output's own
};

using VideoScaleRoutine = bool (*)(const VideoScaleSettings& settings, const VideoPicture& in, const VideoPicture& out);

// Null restores the built-in routine.
void DShowSetVideoScaleRoutine(VideoScaleRoutine routine);
VideoScaleRoutine DShowVideoScaleRoutine();
bool BuiltInVideoScale(const VideoScaleSettings& settings, const VideoPicture& in, const VideoPicture& out);
