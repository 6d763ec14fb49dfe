#pragma once
// A calendar date with a time of day. The day always fits the month.
#include "CPersistTime.h"

class CPersistDateTime : public CPersistTime {
    MV_DECLARE_PERSIST_CLASS(CPersistDateTime)
public:
    CPersistDateTime() = default;
    CPersistDateTime(const CPersistDateTime& other) = default;
    CPersistDateTime& operator=(const CPersistDateTime& other);
    ~CPersistDateTime() override = default;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual unsigned short ValidateYear(unsigned short year);
    // Fits the day to the new year or month.
    virtual void SideEffectYearChanged();
    virtual unsigned char ValidateMonth(unsigned char month);
    virtual void SideEffectMonthChanged();
    virtual unsigned char ValidateDay(unsigned char day);
    virtual void SideEffectDayChanged();

    bool SetYear(unsigned short year);
    bool SetMonth(unsigned char month);
    // Stores and announces the day even when it is the same.
    bool SetDay(unsigned char day);
    unsigned short GetYear() const { return m_year; }
    unsigned char GetMonth() const { return m_month; }
    unsigned char GetDay() const { return m_day; }

    // February has 29 days in every fourth year.
    static unsigned char GetMonthLength(unsigned short year, unsigned char month);

    static constexpr LONG kYearChangedNotice = FourCharCode("pdtn");
    static constexpr LONG kMonthChangedNotice = FourCharCode("pdto");
    static constexpr LONG kDayChangedNotice = FourCharCode("pdtp");
    static const char* const kPersistDateTimeYearTag;
    static const char* const kPersistDateTimeMonthTag;
    static const char* const kPersistDateTimeDayTag;

private:
    unsigned short m_year = 2004;
    unsigned char m_month = 1;
    unsigned char m_day = 1;
};
