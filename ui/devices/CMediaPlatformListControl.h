#pragma once
// The device platforms of the preset decisions, one row each: name, sync and active,
// added, edited, removed and reordered through the platform dialog.
#include "CDecisionsListControl.h"
#include "afx/controls/CToolTipCtrl.h"

class CTargetPlatform;

class CMediaPlatformListControl : public CDecisionsListControl {
public:
    CPersistList* GetList(CPersistObject* object) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool full) override;
    int GetObjectImage(CPersistObject* object) override;

    // A platform whose name is listed already is not added.
    void Add();
    void Edit();
    // The platform's presets stay.
    void Remove();

    BOOL PreTranslateMessage(MSG* msg) override;
    // Shows the full text of the cell under the mouse once the list is created.
    CToolTipCtrl& GetToolTip() { return m_toolTip; }

protected:
    LONG GetItemType() const override;
    void TakeOut(CPersistObject* item) override;
    void PutBack(CPersistObject* item, int index) override;

    int OnCreate(LPCREATESTRUCT cs);
    void OnCellToolTip(UINT id, NMHDR* notice, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    CTargetPlatform* GetSelectedPlatform();
    void EnableCellToolTips();

    CToolTipCtrl m_toolTip;
    // The cell the tool tip's one tool covers; -1 for none.
    INT_PTR m_toolCell = -1;
};
