#pragma once
// A persistent block of bytes with a 32-bit tag.
#include "CPersistHandle.h"

class CTaggedHandle : public CPersistHandle {
    MV_DECLARE_PERSIST_CLASS(CTaggedHandle)
public:
    CTaggedHandle() = default;
    CTaggedHandle(const CTaggedHandle& other) = default;
    CTaggedHandle& operator=(const CTaggedHandle& other);
    ~CTaggedHandle() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual ULONG ValidateTag(ULONG tag);
    virtual void SideEffectTagChanged();

    bool SetTag(ULONG tag);
    ULONG GetTag() const { return m_tag; }

    static constexpr LONG kTagChangedNotice = FourCharCode("tghe");
    static const char* const kTaggedHandleTagTag;

private:
    ULONG m_tag = 0;
};
