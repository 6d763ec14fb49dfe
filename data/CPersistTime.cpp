#include "CPersistTime.h"

#include "CPersistStorage.h"

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

void CPersistTime::SideEffectHourChanged() {}
void CPersistTime::SideEffectMinuteChanged() {}
void CPersistTime::SideEffectSecondChanged() {}

bool CPersistTime::SetHour(unsigned short hour)
{
    if (!ChangeProperty(m_hour, ValidateHour(hour), kHourChangedNotice)) return false;
    SideEffectHourChanged();
    return true;
}

bool CPersistTime::SetMinute(unsigned char minute)
{
    if (!ChangeProperty(m_minute, ValidateMinute(minute), kMinuteChangedNotice)) return false;
    SideEffectMinuteChanged();
    return true;
}

bool CPersistTime::SetSecond(unsigned char second)
{
    if (!ChangeProperty(m_second, ValidateSecond(second), kSecondChangedNotice)) return false;
    SideEffectSecondChanged();
    return true;
}
