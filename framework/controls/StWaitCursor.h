#pragma once
// The wait cursor while the guard lives, around long operations.
#include "StCursor.h"
#include "win32/gdi/Icon.h"

class StWaitCursor : public StCursor {
public:
    StWaitCursor() : StCursor(IDC_WAIT) {}
};
