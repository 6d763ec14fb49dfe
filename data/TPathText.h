#pragma once
// A persistent object holding one path under "path": the shape shared by folders and
// files, which differ in their separator rule and change code.
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "UPersistUtils.h"
#include "afx/CString.h"

template <class Traits>
class TPathText : public CPersistObject {
public:
    TPathText() = default;
    TPathText(const TPathText& other) = default;
    TPathText& operator=(const TPathText& other)
    {
        if (this == &other) return *this;
        CPersistObject::operator=(other);
        m_filePath = other.m_filePath;
        return *this;
    }
    ~TPathText() override = default;

    void Clear() override { CPersistObject::Clear(); }
    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        CPersistObject::SaveSelf(name, storage);
        storage.Save(kPathTag, static_cast<const char*>(m_filePath));
    }
    void LoadSelf(const char* name, CPersistStorage& storage) override
    {
        CPersistObject::LoadSelf(name, storage);
        UPersistUtils::Load(storage, kPathTag, m_filePath);
    }

    virtual CString ValidateFilePath(const char* path) { return Traits::Rule(path); }
    virtual void SideEffectFilePathChanged() {}

    bool SetFilePath(const char* path)
    {
        if (!ChangeProperty(m_filePath, ValidateFilePath(path), Traits::kNotice)) return false;
        SideEffectFilePathChanged();
        return true;
    }
    const CString& GetFilePath() const { return m_filePath; }

    static constexpr LONG kFilePathChangedNotice = Traits::kNotice;
    static constexpr const char* kPathTag = "path";

private:
    CString m_filePath;
};
