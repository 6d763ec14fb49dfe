#include "CPersistHandle.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistHandle, CPersistObject, FourCharCode("pshd"))

const char* const CPersistHandle::kPersistHandleDataTag = "data";

CPersistHandle::CPersistHandle(const CPersistHandle& other) : CPersistObject(other), m_data(other.m_data) {}

CPersistHandle& CPersistHandle::operator=(const CPersistHandle& other)
{
    if (this == &other) return *this;
    Clear();
    CPersistObject::operator=(other);
    m_data = other.m_data;
    return *this;
}

void CPersistHandle::Clear()
{
    CPersistObject::Clear();
    m_data.Clear();
}

void CPersistHandle::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kPersistHandleDataTag, m_data);
}

void CPersistHandle::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kPersistHandleDataTag, m_data);
}

void CPersistHandle::SetData(const CHandle& data)
{
    m_data = data;
}

void CPersistHandle::SetData(const char* bytes, ULONG length)
{
    m_data.Clear();
    if (bytes && length != 0) m_data.Append(reinterpret_cast<const unsigned char*>(bytes), length);
}
