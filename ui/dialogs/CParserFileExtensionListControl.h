#pragma once
// The file extensions the file-type table knows, in upper case.
#include "CObjectListControl.h"

class CParserFileExtensionListControl : public CObjectListControl {
public:
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
};
