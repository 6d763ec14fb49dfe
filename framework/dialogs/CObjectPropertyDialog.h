#pragma once
// Shows every value an object saves as a two-column list.
#include "CListControlPersistStorage.h"
#include "afx/windows/CDialog.h"
#include "afx/controls/CListCtrl.h"

class CPersistObject;

class CObjectPropertyDialog : public CDialog {
public:
    CObjectPropertyDialog();

    // Nothing for a null object; otherwise a modal dialog without parent.
    static void ShowObject(CPersistObject* object);
    void SetObject(CPersistObject* object) { m_object = object; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    CListControlPersistStorage m_storage;
    CListCtrl m_list;
    CPersistObject* m_object = nullptr;
};
