#include "CPersistDate.h"

#include "CPersistStorage.h"

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

unsigned short CPersistDate::ValidateYear(unsigned short year) { return year; }
unsigned char CPersistDate::ValidateMonth(unsigned char month) { return month; }
unsigned char CPersistDate::ValidateDay(unsigned char day) { return day; }

void CPersistDate::SideEffectYearChanged() {}
void CPersistDate::SideEffectMonthChanged() {}
void CPersistDate::SideEffectDayChanged() {}

bool CPersistDate::SetYear(unsigned short year)
{
    if (!ChangeProperty(m_year, ValidateYear(year), kYearChangedNotice)) return false;
    SideEffectYearChanged();
    return true;
}

bool CPersistDate::SetMonth(unsigned char month)
{
    if (!ChangeProperty(m_month, ValidateMonth(month), kMonthChangedNotice)) return false;
    SideEffectMonthChanged();
    return true;
}

bool CPersistDate::SetDay(unsigned char day)
{
    if (!ChangeProperty(m_day, ValidateDay(day), kDayChangedNotice)) return false;
    SideEffectDayChanged();
    return true;
}
