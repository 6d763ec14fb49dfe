#pragma once
// Shows a persistent object in a tree control: one item per object, its values
// ("name: value") as its children, nested objects as child items.
#include "CDisplayPersistStorage.h"
#include "win32/WinTypes.h"

class CTreeCtrl;
MV_DECLARE_HANDLE(HTREEITEM);

class CTreeControlPersistStorage : public CDisplayPersistStorage {
public:
    // The name is not used; the tree is not owned.
    CTreeControlPersistStorage(const char* name, CTreeCtrl* tree);

    void EnterObject(const char* name) override;
    void LeaveObject() override;
    void SaveString(const char* name, const char* text) override;

    HTREEITEM GetCurrentItem() const { return m_current; }

private:
    HTREEITEM Insert(const char* text);

    CTreeCtrl* m_tree;
    HTREEITEM m_current = nullptr;
};
