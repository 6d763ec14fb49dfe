#pragma once
// The shape most application documents share: a writer or batch base and one owned
// member saved after the base under the key the traits name.
//
//     struct InputTag { static constexpr const char* kTag = "input"; };
//     class CMyData : public TMemberDocument<CMediaWriter2, CMediaFile2, InputTag> { ... };
#include "CPersistStorage.h"

template <class Base, class Member, class Traits>
class TMemberDocument : public Base {
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override
    {
        Base::SaveSelf(name, storage);
        m_member.Save(Traits::kTag, storage);
    }

    void LoadSelf(const char* name, CPersistStorage& storage) override
    {
        Base::LoadSelf(name, storage);
        m_member.Load(Traits::kTag, storage);
    }

protected:
    Member m_member;
};

struct VideoRecorderTag {
    static constexpr const char* kTag = "video recorder";
};
struct InputTag {
    static constexpr const char* kTag = "input";
};
struct SourceTag {
    static constexpr const char* kTag = "source";
};
struct SlideShowTag {
    static constexpr const char* kTag = "slide show";
};
