#pragma once
// The client area's DC of a window (the screen's for none), released at destruction.
#include "afx/CDC.h"

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
