#pragma once
// The client area's DC of a window (the screen's for none), released at destruction.
#include "afx/gdi/CWindowDC.h"

class CClientDC : public CWindowDC {
public:
    explicit CClientDC(CWnd* window) : CWindowDC(window, true) {}
};
