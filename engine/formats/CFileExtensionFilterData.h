#pragma once
// An extension with the chains to try for it, in order: each chain head is a source
// filter whose next filters are the splitters that may follow.
#include "CFileExtensionData.h"

class CFilterData;

class CFileExtensionFilterData : public CFileExtensionData {
    MV_DECLARE_PERSIST_CLASS(CFileExtensionFilterData)
public:
    CFileExtensionFilterData();
    CFileExtensionFilterData(const CFileExtensionFilterData& other);
    CFileExtensionFilterData& operator=(const CFileExtensionFilterData& other);
    ~CFileExtensionFilterData() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CPersistList& GetFilters() { return m_filters; }
    int GetFilterCount() const { return m_filters.GetItemCount(); }
    CFilterData* GetFilter(int index) const;
    int GetFilterIndex(const CFilterData* filter) const;
    void AddFilter(CFilterData* filter);
    void AddFilter(CFilterData* filter, int index);
    void RemoveFilter(CFilterData* filter);
    CFilterData* FindFilter(const GUID& id) const;
    // The chain head of that id, created and appended when missing.
    CFilterData* AddFilter(const char* name, const GUID& id);

    static constexpr LONG kType = FourCharCode("fefd");
    static const char* const kFiltersTag;

private:
    CPersistList m_filters{true};
};
