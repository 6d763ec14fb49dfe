#pragma once
// The two-column list of a property list: each value's name and its text.
#include "CObjectListControl.h"

class CDataPropertiesListControl : public CObjectListControl {
public:
    CDataPropertiesListControl() = default;

    CPersistList* GetList(CPersistObject* object) override;
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
};
