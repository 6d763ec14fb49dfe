#include "CObjectTreeDisplay.h"

#include "CPointerList.h"

CObjectDisplay* CObjectTreeDisplay::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CObjectTreeDisplay(this) : nullptr;
}

void CObjectTreeDisplay::SelectChild(CObjectDisplay* child, bool selected)
{
    if (CObjectDisplay* parent = GetParentDisplay())
        parent->SelectChild(child, selected);
}

void CObjectTreeDisplay::CollectSelection(CObjectDisplay* root, CPointerList& selection)
{
    for (int i = 0; root && i < root->GetChildDisplayCount(); ++i) {
        CObjectDisplay* child = root->GetChildDisplay(i);
        if (child->IsSelected())
            selection.Add(child);
        CollectSelection(child, selection);
    }
}

void CObjectTreeDisplay::ForgetTreeItems(CObjectDisplay* root)
{
    for (int i = 0; root && i < root->GetChildDisplayCount(); ++i) {
        CObjectDisplay* child = root->GetChildDisplay(i);
        if (auto* item = dynamic_cast<CObjectTreeDisplay*>(child))
            item->SetTreeItem(nullptr);
        ForgetTreeItems(child);
    }
}

int CObjectTreeDisplay::CountSelection(CObjectDisplay* root)
{
    CPointerList selection;
    CollectSelection(root, selection);
    return selection.GetItemCount();
}

CObjectDisplay* CObjectTreeDisplay::FirstSelected(CObjectDisplay* root)
{
    CPointerList selection;
    CollectSelection(root, selection);
    return static_cast<CObjectDisplay*>(selection.GetAt(0));
}

void CObjectTreeDisplay::GetSelection(CPointerList& selection)
{
    selection.RemoveAll();
    CollectSelection(this, selection);
}

int CObjectTreeDisplay::GetSelectionCount()
{
    return CountSelection(this);
}

CObjectDisplay* CObjectTreeDisplay::GetSelection()
{
    return FirstSelected(this);
}
