#pragma once
// The three lists of the splitter information: known input file types, each extension's
// chains, and the source filters with the splitters that may follow them.
#include "CPersistList.h"
#include "CPersistObject.h"

class CFileExtensionFilterData;
class CFileTypeData;
class CFilterData;

class CFileFilterData : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CFileFilterData)
public:
    CFileFilterData();
    CFileFilterData(const CFileFilterData& other);
    CFileFilterData& operator=(const CFileFilterData& other);
    ~CFileFilterData() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    int GetFileTypeCount() const { return m_fileTypes.GetItemCount(); }
    CFileTypeData* GetFileType(int index) const;
    CPersistList& GetFileTypes() { return m_fileTypes; }
    void AddFileType(CFileTypeData* entry);
    // Exact, case-sensitive.
    CFileTypeData* FindFileType(const char* name) const;
    // The type of that name (its flags unchanged), else a new one.
    CFileTypeData* AddFileType(const char* name, bool video, bool audio);

    int GetFileExtensionCount() const { return m_extensions.GetItemCount(); }
    CFileExtensionFilterData* GetFileExtension(int index) const;
    CPersistList& GetFileExtensions() { return m_extensions; }
    void AddFileExtension(CFileExtensionFilterData* entry);
    void RemoveFileExtension(CFileExtensionFilterData* entry);
    CFileExtensionFilterData* FindExtension(const char* extension) const;
    CFileExtensionFilterData* AddExtension(const char* extension);

    int GetFileSourceCount() const { return m_sources.GetItemCount(); }
    CFilterData* GetFileSource(int index) const;
    void AddFileSource(CFilterData* filter);
    void RemoveFileSource(CFilterData* filter);
    CFilterData* FindFileSource(const GUID& id) const;
    CFilterData* AddFileSource(const char* name, const GUID& id);

    static constexpr LONG kType = FourCharCode("ffda");
    static const char* const kFileTypesTag;
    static const char* const kExtensionsTag;
    static const char* const kFiltersTag;

private:
    CPersistList m_fileTypes{true};
    CPersistList m_extensions{true};
    CPersistList m_sources{true};
};
