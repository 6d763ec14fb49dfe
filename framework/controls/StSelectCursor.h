#pragma once
// The size-all cursor while the guard lives.
#include "StCursor.h"
#include "win32/gdi/Icon.h"

class StSelectCursor : public StCursor {
public:
    StSelectCursor() : StCursor(IDC_SIZEALL) {}
};
