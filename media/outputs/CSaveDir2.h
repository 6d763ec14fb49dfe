#pragma once
// The folder a batch writes into, or the folder of each input file.
#include "CSaveFile2.h"

class CSaveDir2 : public CSaveFile2 {
    MV_DECLARE_PERSIST_CLASS(CSaveDir2)
public:
    const char* ValidateSelf() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Ends a folder with '/'; nothing else of the file path's rule applies.
    CString ValidateFilePath(const char* path) override;

    // Re-applies the replace policy.
    MV_DECLARE_PROPERTY(SameDirectory, bool, bool)

    bool GetSameDirectory() const { return m_sameDirectory; }

    static constexpr LONG kSameDirectoryChangedNotice = FourCharCode("svd4");

private:
    bool m_sameDirectory = false;
};
