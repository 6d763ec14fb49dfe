#pragma once
// The class id of the Windows Media ASF writer, shared by the filter and the engine.
#include "win32/WinTypes.h"

inline constexpr CLSID CLSID_WmAsfWriter = {0x7C23220E, 0x55BB, 0x11D3, {0x8B, 0x16, 0x00, 0xC0, 0x4F, 0xB6, 0xBD, 0x3D}};
