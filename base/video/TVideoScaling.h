#pragma once
// How a picture meets a frame of another aspect ratio; stored as a 32-bit value.

enum TVideoScaling : int {
    kScaleToFit = 0,
    kPanScan = 1,
    kLetterBox = 2,
};
