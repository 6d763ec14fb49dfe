#pragma once
// An owning list of name/value properties describing a file or a device.
#include "CPersistList.h"
#include "CPersistObject.h"

class CPropertyValue;

class CPropertyList : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPropertyList)
public:
    CPropertyList();
    CPropertyList(const CPropertyList& other);
    CPropertyList& operator=(const CPropertyList& other);
    ~CPropertyList() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // The list takes the item.
    void AddValue(CPropertyValue* value);
    // Takes the item out; the caller owns it again.
    void RemoveValue(CPropertyValue* value);
    void AddProperty(const char* name, const char* value);

    int GetValueCount() const { return m_values.GetItemCount(); }
    int GetValueIndex(const CPropertyValue* value) const;
    CPropertyValue* GetValue(int index) const;
    CPersistList& GetValues() { return m_values; }

    static const char* const kPropertyListValuesTag;

private:
    CPersistList m_values{true};
};
