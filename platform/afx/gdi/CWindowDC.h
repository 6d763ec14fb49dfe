#pragma once
// The whole window's DC (the screen's for none), released at destruction.
#include "afx/gdi/CDC.h"

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* window);
    ~CWindowDC() override;

protected:
    // client: the DC of the client area only.
    CWindowDC(CWnd* window, bool client);
    HWND m_hWnd = nullptr;
};
