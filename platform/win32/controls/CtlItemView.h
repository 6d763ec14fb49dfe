#pragma once
// What the list view and the tree view share: their mouse, key and focus messages go to
// their user-action functions, and their in-place label box.
#include "win32/controls/CtlLabelEditor.h"
#include "win32/controls/CtlModel.h"

class CtlItemView : public CtlModel {
public:
    explicit CtlItemView(DWORD style) : CtlModel(style) {}

    virtual void UserClick(POINT point, UINT keys = 0) = 0;
    virtual void UserDoubleClick(POINT point) = 0;
    virtual void UserRightClick(POINT point) = 0;
    virtual void UserKey(UINT key) = 0;

protected:
    // Handles the input messages; false for every other message.
    bool HandleInput(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    CtlLabelEditor m_labelEditor;
    // The parent answered NM_RCLICK non-zero: the release asks for no context menu.
    bool m_rightClickTaken = false;
};
