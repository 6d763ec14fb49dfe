#pragma once
// The library's own artwork (bitmaps and icons by id), read from its resource folder.
#include "win32/WinTypes.h"

class UPanelsResources {
public:
    static HINSTANCE Module();
};
