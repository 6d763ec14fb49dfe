#include "CXmlPersistStorage.h"

#include "UXmlValues.h"

#include <cstring>

CXmlPersistStorage::CXmlPersistStorage(const char*, const char* path) : m_writer(path) {}

CXmlPersistStorage::~CXmlPersistStorage() = default;

void CXmlPersistStorage::EnterObject(const char* name)
{
    m_writer.EnterNode(name);
}

void CXmlPersistStorage::LeaveObject()
{
    m_writer.SetOwnerOnly(HoldsSecret());
    m_writer.LeaveNode();
}

void CXmlPersistStorage::SaveValue(const char* name, ULONG value)
{
    if (value != 0) m_writer.WriteValue(name, UXmlValues::FormatLong(static_cast<int32_t>(value)));
}

void CXmlPersistStorage::SaveString(const char* name, const char* text)
{
    if (text && *text) m_writer.WriteValue(name, text);
}

void CXmlPersistStorage::Save(const char* name, const GUID& value)
{
    if (value != GUID_NULL) CPersistStorage::Save(name, value);
}

void CXmlPersistStorage::Save(const char* name, const CHandle& value)
{
    Save(name, value.GetBuffer(), value.GetSize());
}

void CXmlPersistStorage::Save(const char* name, const char* text) { SaveString(name, text); }

void CXmlPersistStorage::Save(const char* name, float value) { Save(name, static_cast<double>(value)); }

void CXmlPersistStorage::Save(const char* name, double value)
{
    if (value != 0.0) SaveString(name, UXmlValues::FormatDouble(value));
}

void CXmlPersistStorage::Save(const char* name, __int64 value)
{
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<unsigned char>(static_cast<uint64_t>(value) >> (8 * i));
    SaveString(name, UXmlValues::EncodeHex(bytes, 8));
}

void CXmlPersistStorage::Save(const char* name, LONG value) { SaveValue(name, static_cast<ULONG>(value)); }
void CXmlPersistStorage::Save(const char* name, ULONG value) { SaveValue(name, value); }
void CXmlPersistStorage::Save(const char* name, short value) { SaveValue(name, static_cast<ULONG>(static_cast<LONG>(value))); }
void CXmlPersistStorage::Save(const char* name, unsigned short value) { SaveValue(name, value); }
void CXmlPersistStorage::Save(const char* name, bool value) { SaveValue(name, value ? 1 : 0); }
void CXmlPersistStorage::Save(const char* name, char value) { SaveValue(name, static_cast<ULONG>(static_cast<LONG>(static_cast<signed char>(value)))); }
void CXmlPersistStorage::Save(const char* name, unsigned char value) { SaveValue(name, value); }

void CXmlPersistStorage::Save(const char* name, const unsigned char* bytes, ULONG length)
{
    if (bytes && length != 0) SaveString(name, UXmlValues::EncodeHex(bytes, length));
}
