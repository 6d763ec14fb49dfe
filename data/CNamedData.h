#pragma once
// A name with a block of bytes.
#include "CNamedObject.h"
#include "CPersistHandle.h"

class CNamedData : public CNamedObject {
    MV_DECLARE_PERSIST_CLASS(CNamedData)
public:
    CNamedData() = default;
    CNamedData(const CNamedData& other);
    CNamedData& operator=(const CNamedData& other);
    ~CNamedData() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CPersistHandle& GetData() { return m_data; }
    const CPersistHandle& GetData() const { return m_data; }

    static const char* const kNamedDataDataTag;

private:
    CPersistHandle m_data;
};
