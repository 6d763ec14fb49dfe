#include "CMetaClass.h"

#include "CMetaClassController.h"

CMetaClass::CMetaClass()
{
    CMetaClassController::AddMetaClass(this);
}

CMetaClass& CMetaClass::operator=(const CMetaClass& other)
{
    m_type = other.m_type;
    m_create = other.m_create;
    return *this;
}

CMetaClass::~CMetaClass()
{
    CMetaClassController::RemoveMetaClass(this);
}
