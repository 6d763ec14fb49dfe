#pragma once
// The list of refused files: each file's name and its full path.
#include "CFastObjectListControl.h"

class CFailedFileListControl : public CFastObjectListControl {
public:
    void CreateListHeaders() override;
    CString GetObjectText(CPersistObject* object, int column, bool forToolTip) override;
    // 1 a file with video, 2 one with neither video nor audio, 0 audio only.
    int GetObjectImage(CPersistObject* object) override;
};
