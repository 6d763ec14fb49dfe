#pragma once
// A calendar date as three plain numbers; whatever the owner sets is kept.
#include "CPersistObject.h"

class CPersistDate : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPersistDate)
public:
    CPersistDate() = default;
    CPersistDate(const CPersistDate& other) = default;
    CPersistDate& operator=(const CPersistDate& other);
    ~CPersistDate() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual unsigned short ValidateYear(unsigned short year);
    virtual void SideEffectYearChanged();
    virtual unsigned char ValidateMonth(unsigned char month);
    virtual void SideEffectMonthChanged();
    virtual unsigned char ValidateDay(unsigned char day);
    virtual void SideEffectDayChanged();

    bool SetYear(unsigned short year);
    bool SetMonth(unsigned char month);
    bool SetDay(unsigned char day);
    unsigned short GetYear() const { return m_year; }
    unsigned char GetMonth() const { return m_month; }
    unsigned char GetDay() const { return m_day; }

    static constexpr LONG kYearChangedNotice = FourCharCode("pdau");
    static constexpr LONG kMonthChangedNotice = FourCharCode("pdav");
    static constexpr LONG kDayChangedNotice = FourCharCode("pdaw");
    static const char* const kPersistDateYearTag;
    static const char* const kPersistDateMonthTag;
    static const char* const kPersistDateDayTag;

private:
    unsigned short m_year = 2006;
    unsigned char m_month = 8;
    unsigned char m_day = 20;
};
