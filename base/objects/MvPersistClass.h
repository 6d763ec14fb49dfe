#pragma once
// The registration pattern every persistent class follows, in every library.
//
// In the class body:            MV_DECLARE_PERSIST_CLASS(CMyRecord)
// In the class's source file:   MV_IMPLEMENT_PERSIST_CLASS(CMyRecord, CBaseRecord, FourCharCode("myrc"))
// In the library's one registration file, one line per class in the fixed order in
// which the classes register (that file's static initialisation runs them in order
// when the library loads, so "first registered wins" is the same on every run):
//                               MV_REGISTER_PERSIST_CLASS(CMyRecord)
#include "CMetaClass.h"
#include "win32/WinTypes.h"

#define MV_DECLARE_PERSIST_CLASS(Class)                 \
public:                                                 \
    static CMetaClass sMetaClass;                       \
    static bool sInitialized;                           \
    static bool Initialize();                           \
    static CPersistObject* Create();                    \
    LONG GetObjectType() const override;                \
    bool IsInstanceOf(LONG type) const override;        \
    CPersistObject* Clone() const override;

#define MV_IMPLEMENT_PERSIST_CLASS(Class, Base, code)                                                \
    bool Class::Initialize()                                                                         \
    {                                                                                                \
        sMetaClass.SetType(code);                                                                    \
        sMetaClass.SetNewObjectFunc(Create);                                                         \
        return true;                                                                                 \
    }                                                                                                \
    CPersistObject* Class::Create() { return new Class; }                                            \
    LONG Class::GetObjectType() const { return code; }                                               \
    bool Class::IsInstanceOf(LONG type) const { return type == (code) || Base::IsInstanceOf(type); } \
    CPersistObject* Class::Clone() const                                                             \
    {                                                                                                \
        auto* copy = new Class;                                                                      \
        *copy = *this;                                                                               \
        return copy;                                                                                 \
    }

#define MV_REGISTER_PERSIST_CLASS(Class) \
    CMetaClass Class::sMetaClass;        \
    bool Class::sInitialized = Class::Initialize();
