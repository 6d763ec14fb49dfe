#pragma once
// Where recordings go; an empty stored folder becomes the application's folder in the
// user's documents.
#include "CDualPersistPath.h"

class CSettingRecordingPath : public CDualPersistPath {
    MV_DECLARE_PERSIST_CLASS(CSettingRecordingPath)
public:
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    bool SetRecordingPathPath(const char* path) { return SetFilePath(path); }
    const CString& GetRecordingPathPath() const { return GetFilePath(); }

    // The documents folder followed by the application's recordings folder.
    static CString GetDefaultFolder();
};
