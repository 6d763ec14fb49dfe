#pragma once
// A folder, stored with '/' separators and one trailing '/'.
#include "CPersistObject.h"
#include "afx/CString.h"

class CPersistPath : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPersistPath)
public:
    CPersistPath() = default;
    CPersistPath(const CPersistPath& other) = default;
    CPersistPath& operator=(const CPersistPath& other);
    ~CPersistPath() override = default;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateFilePath(const char* path);
    virtual void SideEffectFilePathChanged();

    bool SetFilePath(const char* path);
    const CString& GetFilePath() const { return m_filePath; }

    static constexpr LONG kFilePathChangedNotice = FourCharCode("pspb");
    static const char* const kPersistPathPathTag;

private:
    CString m_filePath;
};
