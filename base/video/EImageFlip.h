#pragma once
// How a picture is mirrored; stored as a 32-bit value.

enum EImageFlip : int {
    kImageFlipNone = 0,
    kImageFlipLeftRight = 1,
    kImageFlipTopBottom = 2,
};
