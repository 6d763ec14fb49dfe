#pragma once
// The file a job writes, with automatic naming and what to do with an existing file.
#include "CPersistFile2.h"
#include "MvMediaProperty.h"

#include "EFileReplace.h"

class CSaveFile2 : public CPersistFile2 {
    MV_DECLARE_PERSIST_CLASS(CSaveFile2)
public:
    // Key "replace": ask, overwrite, rename.
    bool GetEnumText(const char* field, CEnumMap& map) override;
    const char* ValidateSelf() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(AutoNaming, bool, bool)
    MV_DECLARE_PROPERTY(FileReplace, EFileReplace, EFileReplace)

    bool GetAutoNaming() const { return m_autoNaming; }
    EFileReplace GetFileReplace() const { return m_fileReplace; }

    static constexpr LONG kAutoNamingChangedNotice = FourCharCode("svf4");
    static constexpr LONG kFileReplaceChangedNotice = FourCharCode("svf5");

private:
    bool m_autoNaming = false;
    EFileReplace m_fileReplace = kFileReplaceAsk;
};
