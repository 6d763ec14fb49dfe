#pragma once
// BeginPaint in the constructor, EndPaint in the destructor, for WM_PAINT handlers.
#include "afx/gdi/CDC.h"
#include "win32/gdi/Paint.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};
