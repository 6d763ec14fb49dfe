#pragma once
// The root class of the class library, with run-time class information and
// creation by class for the classes that ask for it.
#include "win32/WinTypes.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;       // null for classes that are not creatable
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* cls) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(name) (const_cast<CRuntimeClass*>(&name::class##name))

#define DECLARE_DYNAMIC(name)                                                                                        \
public:                                                                                                              \
    static const CRuntimeClass class##name;                                                                          \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(name)                                                                                      \
    DECLARE_DYNAMIC(name)                                                                                            \
    static CObject* CreateObject();

#define MV_IMPLEMENT_RUNTIMECLASS(name, base, create)                                                                \
    const CRuntimeClass name::class##name = {#name, static_cast<int>(sizeof(name)), create, &base::class##base};     \
    CRuntimeClass* name::GetRuntimeClass() const { return RUNTIME_CLASS(name); }

#define IMPLEMENT_DYNAMIC(name, base) MV_IMPLEMENT_RUNTIMECLASS(name, base, nullptr)

#define IMPLEMENT_DYNCREATE(name, base)                                                                              \
    CObject* name::CreateObject() { return new name; }                                                               \
    MV_IMPLEMENT_RUNTIMECLASS(name, base, name::CreateObject)
