#pragma once
// A persistent class's type code and create function; registers itself on construction.
#include "win32/WinTypes.h"

class CPersistObject;

class CMetaClass {
public:
    using NewObjectFunc = CPersistObject* (*)();

    CMetaClass();
    // A copy registers nothing.
    CMetaClass(const CMetaClass& other) : m_type(other.m_type), m_create(other.m_create) {}
    CMetaClass& operator=(const CMetaClass& other);
    virtual ~CMetaClass();

    void SetType(LONG type) { m_type = type; }
    LONG GetType() const { return m_type; }
    void SetNewObjectFunc(NewObjectFunc create) { m_create = create; }
    CPersistObject* CreateOne() const { return m_create ? m_create() : nullptr; }

private:
    LONG m_type = 0;
    NewObjectFunc m_create = nullptr;
};
