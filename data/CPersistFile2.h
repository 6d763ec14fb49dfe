#pragma once
// A file, stored with '/' separators.
#include "CPersistObject.h"
#include "afx/CString.h"

class CPersistFile2 : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPersistFile2)
public:
    CPersistFile2() = default;
    CPersistFile2(const CPersistFile2& other) = default;
    CPersistFile2& operator=(const CPersistFile2& other);
    ~CPersistFile2() override = default;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual CString ValidateFilePath(const char* path);
    virtual void SideEffectFilePathChanged();

    bool SetFilePath(const char* path);
    const CString& GetFilePath() const { return m_filePath; }

    CString GetFileNameOnly() const;
    CString GetFileNameWithoutExtension() const;
    // The folder, without its last '/'.
    CString GetPathOnly() const;
    // Sets the path to the same file with the extension given ("" drops it).
    bool ReplaceExtension(const char* extension);

    static constexpr LONG kFilePathChangedNotice = FourCharCode("psf3");
    static const char* const kPersistFilePathTag;

private:
    CString m_filePath;
};
