#include "CDecisionsListControl.h"

#include "CTargetDecisions.h"

CTargetDecisions* CDecisionsListControl::GetDecisions() const
{
    return dynamic_cast<CTargetDecisions*>(GetObjectA());
}

UINT CDecisionsListControl::GetImageListResource(int& width, int& height)
{
    width = 16;
    height = 15;
    return 11068;
}

CPersistObject* CDecisionsListControl::GetSelectedItem()
{
    CObjectDisplay* row = GetSelection();
    CPersistObject* item = row ? row->GetObjectA() : nullptr;
    return item && item->IsInstanceOf(GetItemType()) ? item : nullptr;
}

void CDecisionsListControl::MoveUp()
{
    Move(-1);
}

void CDecisionsListControl::MoveDown()
{
    Move(1);
}

void CDecisionsListControl::Move(int step)
{
    CPersistObject* item = GetSelectedItem();
    CPersistList* list = GetChildList();
    if (!item || !list) return;
    const int index = list->GetIndex(item) + step;
    if (index < 0 || index >= list->GetItemCount()) return;
    // Rows are selected by position: the moved item's is the only one selected afterwards.
    SelectAll(false);
    TakeOut(item);
    PutBack(item, index);
    SelectChild(FindChildDisplay(item), true);
}
