#pragma once
// An object's display in a node window: it draws itself on the window's scaled plane and
// may hand out a drag indicator when the pointer presses on it.
#include "CObjectDisplay.h"
#include "afx/CPoint.h"

class CDC;
namespace mvlists {
class CDragIndicator;
}

class CObjectNode : public CObjectDisplay {
public:
    explicit CObjectNode(CObjectDisplay* parent = nullptr) : CObjectDisplay(parent) {}
    CObjectNode(const CObjectNode& other) = default;
    CObjectNode& operator=(const CObjectNode& other) = default;

    void Redraw() override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;

    virtual void Draw(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin);
    virtual void DrawSelf(CDC*, double, double, int, int) {}
    virtual mvlists::CDragIndicator* StartDragging(CPoint, double, double, int, int) { return nullptr; }
    virtual void StopDragging(mvlists::CDragIndicator*, CPoint, double, double, int, int) {}
    virtual void ProcessDragging(mvlists::CDragIndicator*, CPoint, double, double, int, int) {}
    virtual void DragAction(mvlists::CDragIndicator*, double, double, int, int) {}
};
