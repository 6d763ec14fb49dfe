#include "CDisplayPersistStorage.h"

#include "CHandle.h"
#include "UXmlValues.h"

void CDisplayPersistStorage::SaveValue(const char* name, LONG value)
{
    SaveString(name, UXmlValues::FormatLong(value));
}

void CDisplayPersistStorage::Save(const char* name, const CHandle& value)
{
    Save(name, value.GetBuffer(), value.GetSize());
}

void CDisplayPersistStorage::Save(const char* name, const char* text)
{
    SaveString(name, text ? text : "");
}

void CDisplayPersistStorage::Save(const char* name, float value)
{
    Save(name, static_cast<double>(value));
}

void CDisplayPersistStorage::Save(const char* name, double value)
{
    SaveString(name, UXmlValues::FormatDouble(value));
}

void CDisplayPersistStorage::Save(const char* name, LONG value)
{
    SaveValue(name, value);
}

void CDisplayPersistStorage::Save(const char* name, ULONG value)
{
    SaveValue(name, static_cast<LONG>(value));
}

void CDisplayPersistStorage::Save(const char* name, short value)
{
    SaveValue(name, value);
}

void CDisplayPersistStorage::Save(const char* name, unsigned short value)
{
    SaveValue(name, value);
}

void CDisplayPersistStorage::Save(const char* name, bool value)
{
    SaveValue(name, value ? 1 : 0);
}

void CDisplayPersistStorage::Save(const char* name, char value)
{
    SaveValue(name, value);
}

void CDisplayPersistStorage::Save(const char* name, unsigned char value)
{
    SaveValue(name, value);
}

void CDisplayPersistStorage::Save(const char* name, const unsigned char* bytes, ULONG length)
{
    SaveString(name, length ? UXmlValues::EncodeHex(bytes, length) : CString());
}
