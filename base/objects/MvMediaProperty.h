#pragma once
// The shape every setter-backed property of the persistent records shares: a virtual
// validator and side effect, and a setter that validates, stores a changed value,
// announces it and runs the side effect.
//
// In the class body:   MV_DECLARE_PROPERTY(Quality, unsigned char, unsigned char)
// In the source file:  MV_IMPLEMENT_PROPERTY_SETTER(CTrackOutput, Quality, unsigned char, m_quality, kQualityChangedNotice)
//                      MV_IMPLEMENT_PLAIN_PROPERTY(CTrackOutput, Quality, unsigned char, unsigned char)
#include "afx/CString.h"

#define MV_DECLARE_PROPERTY(Name, ArgType, StoreType) \
    virtual StoreType Validate##Name(ArgType value);  \
    virtual void SideEffect##Name##Changed();         \
    bool Set##Name(ArgType value);

#define MV_IMPLEMENT_PROPERTY_SETTER(Class, Name, ArgType, field, code)        \
    bool Class::Set##Name(ArgType value)                                        \
    {                                                                           \
        if (!ChangeProperty(field, Validate##Name(value), code)) return false; \
        SideEffect##Name##Changed();                                            \
        return true;                                                            \
    }

// A validator that keeps the value and a side effect that does nothing.
#define MV_IMPLEMENT_PLAIN_VALIDATOR(Class, Name, ArgType, StoreType) \
    StoreType Class::Validate##Name(ArgType value) { return static_cast<StoreType>(value); }
#define MV_IMPLEMENT_NO_SIDE_EFFECT(Class, Name) \
    void Class::SideEffect##Name##Changed() {}

#define MV_IMPLEMENT_PLAIN_PROPERTY(Class, Name, ArgType, StoreType, field, code) \
    MV_IMPLEMENT_PLAIN_VALIDATOR(Class, Name, ArgType, StoreType)                 \
    MV_IMPLEMENT_NO_SIDE_EFFECT(Class, Name)                                      \
    MV_IMPLEMENT_PROPERTY_SETTER(Class, Name, ArgType, field, code)
