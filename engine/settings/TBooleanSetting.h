#pragma once
// An engine setting of one stored boolean: the shape shared by the on/off settings, which
// differ in their key, default and change code.
#include "CPersistObject.h"
#include "CPersistStorage.h"

template <class Traits>
class TBooleanSetting : public CPersistObject {
public:
    TBooleanSetting() = default;
    TBooleanSetting(const TBooleanSetting& other) = default;
    TBooleanSetting& operator=(const TBooleanSetting& other)
    {
        if (this == &other) return *this;
        CPersistObject::operator=(other);
        m_value = other.m_value;
        return *this;
    }
    ~TBooleanSetting() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        CPersistObject::SaveSelf(name, storage);
        storage.Save(Traits::kTag, m_value);
    }
    void LoadSelf(const char* name, CPersistStorage& storage) override
    {
        CPersistObject::LoadSelf(name, storage);
        storage.Load(Traits::kTag, m_value);
    }

    bool SetValue(bool value) { return ChangeProperty(m_value, value, Traits::kNotice); }
    bool GetValue() const { return m_value; }

    static constexpr LONG kChangedNotice = Traits::kNotice;

private:
    bool m_value = Traits::kDefault;
};
