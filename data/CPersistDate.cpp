#include "CPersistDate.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CPersistDate, CPersistObject, FourCharCode("pdat"))

const char* const CPersistDate::kPersistDateYearTag = "year";
const char* const CPersistDate::kPersistDateMonthTag = "month";
const char* const CPersistDate::kPersistDateDayTag = "day";

CPersistDate& CPersistDate::operator=(const CPersistDate& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_year = other.m_year;
    m_month = other.m_month;
    m_day = other.m_day;
    return *this;
}

void CPersistDate::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kPersistDateYearTag, m_year);
    storage.Save(kPersistDateMonthTag, m_month);
    storage.Save(kPersistDateDayTag, m_day);
}

void CPersistDate::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kPersistDateYearTag, m_year);
    storage.Load(kPersistDateMonthTag, m_month);
    storage.Load(kPersistDateDayTag, m_day);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CPersistDate, Year, unsigned short, unsigned short, m_year, kYearChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CPersistDate, Month, unsigned char, unsigned char, m_month, kMonthChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CPersistDate, Day, unsigned char, unsigned char, m_day, kDayChangedNotice)
