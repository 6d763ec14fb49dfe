#pragma once
// What the screen capture filter records.
#include <cstdint>

enum EScreenCapture : int32_t {
    kScreenCaptureScreen = 0,
    kScreenCaptureRegion = 100,
    kScreenCaptureWindow = 101,
    kScreenCaptureCursor = 102,
};
