#pragma once
// A filter of an input chain by name and class id, with the filters that may follow it.
#include "CNamedObject.h"
#include "CPersistList.h"

class CFilterData : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CFilterData)
public:
    CFilterData();
    CFilterData(const CFilterData& other);
    CFilterData& operator=(const CFilterData& other);
    ~CFilterData() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // GUID_NULL stands for the standard file reader.
    bool SetId(const GUID& id);
    const GUID& GetId() const { return m_id; }

    int GetNextFilterCount() const { return m_next.GetItemCount(); }
    CFilterData* GetNextFilter(int index) const;
    void AddNextFilter(CFilterData* filter) { m_next.Add(filter); }
    void RemoveNextFilter(CFilterData* filter);
    CFilterData* FindNextFilter(const GUID& id) const;
    // The next filter of that id, created and appended when missing.
    CFilterData* AddNextFilter(const char* name, const GUID& id);

    // The filter of that id in a list of filters; FindOrAddIn creates and appends it
    // when missing.
    static CFilterData* FindIn(const CPersistList& list, const GUID& id);
    static CFilterData* FindOrAddIn(CPersistList& list, const char* name, const GUID& id);

    static constexpr LONG kType = FourCharCode("fltr");
    static constexpr LONG kIdChangedNotice = FourCharCode("flts");
    static const char* const kIdTag;
    static const char* const kNextTag;

private:
    GUID m_id = GUID_NULL;
    CPersistList m_next{true};
};
