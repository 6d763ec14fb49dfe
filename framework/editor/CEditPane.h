#pragma once
// The rich-text editor with its format tool bar built as a plain child window.
#include "CEditorParts.h"
#include "CPane.h"

class CCmdUI;

class CEditPane : public CPane, public CEditorParts {
public:
    static constexpr int kFontCombo = 10065;
    static constexpr int kSizeCombo = 10066;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnDestroy();
    void OnTool(UINT id);
    void OnUpdateTool(CCmdUI* ui);
    void OnSelChange(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};
