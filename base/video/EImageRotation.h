#pragma once
// How a picture is turned; stored as a 32-bit value.

enum EImageRotation : int {
    kImageRotationNone = 0,
    kImageRotationLeft = 1,   // a quarter turn anticlockwise
    kImageRotationRight = 2,  // a quarter turn clockwise
    kImageRotationHalf = 3,
};
