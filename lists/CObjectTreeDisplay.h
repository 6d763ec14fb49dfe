#pragma once
// The display of one tree item: it keeps its item, and its selection is the tree's.
#include "CObjectControlDisplay.h"
#include "win32/controls/CommCtrl.h"

class CObjectTreeDisplay : public CObjectControlDisplay {
public:
    explicit CObjectTreeDisplay(CObjectDisplay* parent = nullptr) : CObjectControlDisplay(parent) {}
    CObjectTreeDisplay(const CObjectTreeDisplay& other) = default;
    CObjectTreeDisplay& operator=(const CObjectTreeDisplay& other) = default;

    void SetTreeItem(HTREEITEM item) { mTreeItem = item; }
    HTREEITEM GetTreeItem() const { return mTreeItem; }

    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void SelectChild(CObjectDisplay* child, bool selected) override;
    int GetSelectionCount() override;
    void GetSelection(CPointerList& selection) override;
    CObjectDisplay* GetSelection() override;

    // Every selected display below the root, depth first.
    static void CollectSelection(CObjectDisplay* root, CPointerList& selection);
    static int CountSelection(CObjectDisplay* root);
    static CObjectDisplay* FirstSelected(CObjectDisplay* root);
    // Forgets the items of the display's subtree (deleting an item deletes those below it).
    static void ForgetTreeItems(CObjectDisplay* root);

private:
    HTREEITEM mTreeItem = nullptr;
};
