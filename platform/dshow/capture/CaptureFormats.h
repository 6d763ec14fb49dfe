#pragma once
// The RGB32 and RGB24 types of a camera's sizes, and the frame durations that go with each.
#include "dshow/MediaType.h"
#include "dshow/capture/CaptureDevice.h"

#include <vector>

std::vector<CMediaType> RgbFormatsOf(const std::vector<CaptureMode>& modes);
std::vector<std::vector<REFERENCE_TIME>> FrameTimesOf(const std::vector<CaptureMode>& modes);
