#include "CObjectControlDisplay.h"

long CObjectControlDisplay::CreateChildDisplayHandle(CObjectDisplay* child, CPersistObject* object, int index)
{
    CObjectDisplay* parent = GetParentDisplay();
    return parent ? parent->CreateChildDisplayHandle(child, object, index) : -1;
}

void CObjectControlDisplay::DisposeChildDisplayHandle(CObjectDisplay* child)
{
    if (CObjectDisplay* parent = GetParentDisplay())
        parent->DisposeChildDisplayHandle(child);
}

long CObjectControlDisplay::GetChildDisplayHandle(CObjectDisplay* child)
{
    CObjectDisplay* parent = GetParentDisplay();
    return parent ? parent->GetChildDisplayHandle(child) : -1;
}

CObjectDisplay* CObjectControlDisplay::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectControlDisplay(this) : nullptr;
}
