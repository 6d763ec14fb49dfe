#pragma once
// The check-box list of untested compressors: a row is checked while its compressor is
// not skipped, and unchecking it skips the compressor.
#include "CObjectListControl.h"

class CCodecListControl : public CObjectListControl {
public:
    CCodecListControl() = default;

    CPersistList* GetList(CPersistObject* object) override;
    void CreateListHeaders() override;
    UINT GetImageListResource(int& width, int& height) override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    bool GetObjectChecked(CPersistObject* object) override;
    bool CheckObject(CPersistObject* object, bool checked) override;
    CObjectDisplay* CreateChildDisplay(CPersistObject* object) override;
};
