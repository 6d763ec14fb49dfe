#pragma once
// A page built as a plain child window, without a dialog template.
#include "afx/windows/CWnd.h"

class CPane : public CWnd {
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
