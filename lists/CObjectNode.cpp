#include "CObjectNode.h"

void CObjectNode::Redraw()
{
    CObjectDisplay* top = GetTopDisplay();
    if (top != this)
        top->Redraw();
}

CObjectDisplay* CObjectNode::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectNode(this) : nullptr;
}

void CObjectNode::Draw(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin)
{
    DrawSelf(dc, xScale, yScale, xOrigin, yOrigin);
    for (int i = 0; i < GetChildDisplayCount(); ++i)
        if (auto* child = dynamic_cast<CObjectNode*>(GetChildDisplay(i)))
            child->Draw(dc, xScale, yScale, xOrigin, yOrigin);
}
