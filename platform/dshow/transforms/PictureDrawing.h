#pragma once
// Small drawing into RGB pictures (stored bottom-up, 24 or 32 bits a pixel): filled
// rectangles and a time written in a 5x7 digit font.
#include "dshow/transforms/VideoScaling.h"

// Coordinates from the top left; parts outside the picture are left out.
void PaintRect(const VideoPicture& picture, LONG x, LONG y, LONG width, LONG height, BYTE red, BYTE green, BYTE blue);
// Digits and ':' only, each glyph scale pixels a dot; other characters leave a gap.
void DrawDigits(const VideoPicture& picture, LONG x, LONG y, const char* text, LONG scale, BYTE red, BYTE green,
                BYTE blue);
// The width DrawDigits takes for the text.
LONG DigitsWidth(const char* text, LONG scale);
