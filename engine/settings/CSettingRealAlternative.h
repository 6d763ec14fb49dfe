#pragma once
// Where the Real Alternative (first path) and RealPlayer (second path) programs lie.
#include "CDualPersistPath.h"

class CSettingRealAlternative : public CDualPersistPath {
    MV_DECLARE_PERSIST_CLASS(CSettingRealAlternative)
public:
    CSettingRealAlternative();
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    bool SetRealPlayerPath(const char* path) { return SetFilePath2(path); }
    const CString& GetRealPlayerPath() const { return GetFilePath2(); }

    static const char* const kDefaultRealAlternative;
    static const char* const kDefaultRealPlayer;

private:
    void FillEmptyFolders();
};
