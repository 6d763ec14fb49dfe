#pragma once
// Class ids of this layer's renderers.
#include "com/Unknown.h"

// Video renderers: one "Input" pin for RGB32/RGB24 pictures, shown in the owner window
// at the picture times; the second id is the older renderer the engine falls back to.
inline constexpr CLSID CLSID_VideoMixingRenderer9 = {0x6BC1CFFA, 0x8FC1, 0x4261, {0xAC, 0x22, 0xCF, 0xB4, 0xCC, 0x38, 0xDB, 0x50}};
inline constexpr CLSID CLSID_VideoRenderer = {0x70E102B0, 0x5556, 0x11CE, {0x97, 0xC0, 0x00, 0xAA, 0x00, 0x55, 0x59, 0x5A}};
