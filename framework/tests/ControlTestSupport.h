#pragma once
// Test support for the controls: a parent window, and reading what was drawn.
#include "afx/CRect.h"
#include "afx/windows/CWnd.h"
#include "win32/gdi/Gdi.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/gdi/Paint.h"

#include <cstdint>
#include <ostream>

inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

// A 32-bit DIB under a memory DC, as the window layer's own tests use it.
#include "win32/tests/GdiCanvas.h"
#include "win32/tests/WindowPixel.h"
using TestCanvas = GdiCanvas;

// A shown popup window to hold the controls under test.
class TestParent : public CWnd {
public:
    bool Make(int width = 400, int height = 300)
    {
        if (!CreateEx(0, nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0)) return false;
        // Keys reach the windows' PreTranslateMessage as under the application's loop.
        MvSetPreTranslateHook([](MSG& m) { return CWnd::WalkPreTranslateTree(nullptr, &m) != FALSE; });
        return true;
    }
    ~TestParent() override
    {
        if (m_hWnd) DestroyWindow();
        MvSetPreTranslateHook(nullptr);
        MvPumpUntilIdle();
        AfxDeleteTempMaps();
    }
};
