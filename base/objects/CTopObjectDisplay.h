#pragma once
// The root of a display tree: decides how selection behaves.
#include "CObjectDisplay.h"

class CTopObjectDisplay : public CObjectDisplay {
public:
    CTopObjectDisplay() = default;

    void SetSingleSelection(bool single) { mSingleSelection = single; }
    bool IsSingleSelection() const { return mSingleSelection; }
    // With single selection only the display stays selected among the direct children.
    virtual void MakeSelected(CObjectDisplay* display);

private:
    bool mSingleSelection = false;
};
