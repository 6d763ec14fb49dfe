#include "CPersistDateTime.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistDateTime, CPersistTime, FourCharCode("pdtm"))

const char* const CPersistDateTime::kPersistDateTimeYearTag = "year";
const char* const CPersistDateTime::kPersistDateTimeMonthTag = "month";
const char* const CPersistDateTime::kPersistDateTimeDayTag = "day";

CPersistDateTime& CPersistDateTime::operator=(const CPersistDateTime& other)
{
    if (this == &other) return *this;
    CPersistTime::operator=(other);
    m_year = other.m_year;
    m_month = other.m_month;
    m_day = other.m_day;
    return *this;
}

void CPersistDateTime::Clear()
{
    // Date and time stay: only the object base is cleared.
    CPersistObject::Clear();
}

void CPersistDateTime::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistTime::SaveSelf(name, storage);
    storage.Save(kPersistDateTimeYearTag, m_year);
    storage.Save(kPersistDateTimeMonthTag, m_month);
    storage.Save(kPersistDateTimeDayTag, m_day);
}

void CPersistDateTime::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistTime::LoadSelf(name, storage);
    storage.Load(kPersistDateTimeYearTag, m_year);
    storage.Load(kPersistDateTimeMonthTag, m_month);
    storage.Load(kPersistDateTimeDayTag, m_day);
}

unsigned char CPersistDateTime::GetMonthLength(unsigned short year, unsigned char month)
{
    switch (month) {
    case 2: return year % 4 == 0 ? 29 : 28;
    case 4: case 6: case 9: case 11: return 30;
    default: return 31;
    }
}

MV_IMPLEMENT_PLAIN_VALIDATOR(CPersistDateTime, Year, unsigned short, unsigned short)

unsigned char CPersistDateTime::ValidateMonth(unsigned char month)
{
    return month >= 1 && month <= 12 ? month : m_month;
}

unsigned char CPersistDateTime::ValidateDay(unsigned char day)
{
    if (day == 0) return 1;
    unsigned char last = GetMonthLength(m_year, m_month);
    return day > last ? last : day;
}

void CPersistDateTime::SideEffectYearChanged()
{
    SetDay(m_day);
}

void CPersistDateTime::SideEffectMonthChanged()
{
    SetDay(m_day);
}

void CPersistDateTime::SideEffectDayChanged() {}

MV_IMPLEMENT_PROPERTY_SETTER(CPersistDateTime, Year, unsigned short, m_year, kYearChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CPersistDateTime, Month, unsigned char, m_month, kMonthChangedNotice)

bool CPersistDateTime::SetDay(unsigned char day)
{
    m_day = ValidateDay(day);
    Notify(kDayChangedNotice, 0, 0);
    SideEffectDayChanged();
    return true;
}
