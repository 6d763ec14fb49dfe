#pragma once
// Shows a stock cursor while the guard lives and puts the previous one back after.
#include "win32/WinTypes.h"

class StCursor {
public:
    explicit StCursor(LPCSTR stockCursor);
    ~StCursor();
    StCursor(const StCursor&) = delete;
    StCursor& operator=(const StCursor&) = delete;

private:
    HCURSOR m_previous;
};
