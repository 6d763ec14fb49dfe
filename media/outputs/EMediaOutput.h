#pragma once
// The 32-bit enumerations of the output records. The engine and the user interface
// give their values meaning; the records only store them.
#include "win32/WinTypes.h"

using ESplitterType = LONG;
using EEncoderControl = LONG;
using EEncodingComplexity = LONG;
using EAudioMode = LONG;
using EVideoMode = LONG;
using EImageType = LONG;
using EFrameCapture = LONG;
using EDiscType = LONG;
using ETvType = LONG;

constexpr ESplitterType kSplitterTypeWav = 500;
constexpr ESplitterType kSplitterTypeRealMedia = 1000;
constexpr ESplitterType kSplitterTypeWebImages = 1800;
constexpr ETvType kTvTypeNtsc = 1;
constexpr EImageType kDefaultImageType = 1002;
