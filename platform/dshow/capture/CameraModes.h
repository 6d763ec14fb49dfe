#pragma once
// The picture sizes and frame rates a Video4Linux2 camera offers, asked of its driver;
// empty when the node is no camera (a metadata node, or no longer there).
#include "dshow/capture/CaptureDevice.h"

std::vector<CaptureMode> CameraModes(const std::string& path);
