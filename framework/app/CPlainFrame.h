#pragma once
// A frame without border or client edge that clips its children.
#include "afx/windows/CFrameWnd.h"

class CPlainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CPlainFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
