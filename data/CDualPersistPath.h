#pragma once
// A folder with a second folder, both under the folder rule.
#include "CPersistPath.h"

class CDualPersistPath : public CPersistPath {
    MV_DECLARE_PERSIST_CLASS(CDualPersistPath)
public:
    CDualPersistPath() = default;
    CDualPersistPath(const CDualPersistPath& other) = default;
    CDualPersistPath& operator=(const CDualPersistPath& other);
    ~CDualPersistPath() override = default;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateFilePath2(const char* path);
    virtual void SideEffectFilePath2Changed();

    bool SetFilePath2(const char* path);
    const CString& GetFilePath2() const { return m_filePath2; }

    static constexpr LONG kFilePath2ChangedNotice = FourCharCode("dpsg");
    static const char* const kDualPersistPathPath2Tag;

private:
    CString m_filePath2;
};
