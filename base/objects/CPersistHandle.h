#pragma once
// A persistent block of bytes, saved as the handle value "data".
#include "CHandle.h"
#include "CPersistObject.h"

class CPersistHandle : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPersistHandle)
public:
    CPersistHandle() = default;
    CPersistHandle(const CPersistHandle& other);
    CPersistHandle& operator=(const CPersistHandle& other);
    ~CPersistHandle() override = default;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CHandle& GetData() { return m_data; }
    const CHandle& GetData() const { return m_data; }
    void SetData(const CHandle& data);
    void SetData(const char* bytes, ULONG length);

    static const char* const kPersistHandleDataTag;

private:
    CHandle m_data;
};
