#include "CPersistTime.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistTime, CPersistObject, FourCharCode("ptim"))

const char* const CPersistTime::kPersistTimeHourTag = "hour";
const char* const CPersistTime::kPersistTimeMinuteTag = "minute";
const char* const CPersistTime::kPersistTimeSecondTag = "second";

CPersistTime& CPersistTime::operator=(const CPersistTime& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_hour = other.m_hour;
    m_minute = other.m_minute;
    m_second = other.m_second;
    return *this;
}

void CPersistTime::Clear()
{
    CPersistObject::Clear();
    m_hour = 0;
    m_minute = 0;
    m_second = 0;
}

void CPersistTime::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kPersistTimeHourTag, m_hour);
    storage.Save(kPersistTimeMinuteTag, m_minute);
    storage.Save(kPersistTimeSecondTag, m_second);
}

void CPersistTime::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kPersistTimeHourTag, m_hour);
    storage.Load(kPersistTimeMinuteTag, m_minute);
    storage.Load(kPersistTimeSecondTag, m_second);
}

unsigned short CPersistTime::ValidateHour(unsigned short hour)
{
    return hour < 24 ? hour : m_hour;
}

unsigned char CPersistTime::ValidateMinute(unsigned char minute)
{
    return minute < 60 ? minute : m_minute;
}

unsigned char CPersistTime::ValidateSecond(unsigned char second)
{
    return second < 60 ? second : m_second;
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CPersistTime, Hour)
MV_IMPLEMENT_NO_SIDE_EFFECT(CPersistTime, Minute)
MV_IMPLEMENT_NO_SIDE_EFFECT(CPersistTime, Second)
MV_IMPLEMENT_PROPERTY_SETTER(CPersistTime, Hour, unsigned short, m_hour, kHourChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CPersistTime, Minute, unsigned char, m_minute, kMinuteChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CPersistTime, Second, unsigned char, m_second, kSecondChangedNotice)
