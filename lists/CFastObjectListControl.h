#pragma once
// The virtual list for long lists: no rows are made; the list asks for the texts of the
// rows it shows, and a row is the child display of the same index.
#include "CObjectListControl.h"

class CFastObjectListControl : public CObjectListControl {
public:
    CFastObjectListControl() = default;

    long CreateChildDisplayHandle(CObjectDisplay* display, CPersistObject* object, int index) override;
    void SyncDisplays() override;
    void RefreshOneDisplay(CObjectDisplay* display) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // The item count follows in SyncDisplays.
    void DeleteRow(CObjectDisplay*) override {}
    CObjectDisplay* DisplayOfRow(int row) override;
    int RowOfDisplay(CObjectDisplay* display) override;
    void OnGetdispinfo(NMHDR* notice, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    // Text handed to the list until it asks again.
    CString mDispText;
};
