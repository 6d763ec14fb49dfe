#pragma once
// The display of one object inside a control: the control keeps the handles, so a
// child's handle requests go up to the display above.
#include "CObjectDisplay.h"

class CObjectControlDisplay : public CObjectDisplay {
public:
    explicit CObjectControlDisplay(CObjectDisplay* parent = nullptr) : CObjectDisplay(parent) {}
    CObjectControlDisplay(const CObjectControlDisplay& other) = default;
    CObjectControlDisplay& operator=(const CObjectControlDisplay& other) = default;

    long CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index) override;
    void DisposeChildDisplayHandle(CObjectDisplay* child) override;
    long GetChildDisplayHandle(CObjectDisplay* child) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
};
