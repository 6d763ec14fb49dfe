#pragma once
// A named entry the broadcast service knows by a numeric id. Categories and sub-categories
// share it; it registers no code of its own.
#include "CNamedObject.h"
#include "MvMediaProperty.h"

class CBrivastIdObject : public CNamedObject {
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    MV_DECLARE_PROPERTY(Id, ULONG, ULONG)
    ULONG GetId() const { return m_id; }

    static constexpr LONG kIdChangedNotice = FourCharCode("bvcb");

private:
    ULONG m_id = 0;
};
