#pragma once
// Shows every value an object saves, nested objects included, as a tree.
#include "CTreeControlPersistStorage.h"
#include "afx/windows/CDialog.h"
#include "afx/controls/CTreeCtrl.h"

class CPersistObject;

class CObjectInspectorDialog : public CDialog {
public:
    CObjectInspectorDialog();

    // Nothing for a null object; otherwise a modal dialog without parent.
    static void ShowObject(CPersistObject* object);
    void SetObject(CPersistObject* object) { m_object = object; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    CTreeCtrl m_tree;
    CTreeControlPersistStorage m_storage;
    CPersistObject* m_object = nullptr;
};
