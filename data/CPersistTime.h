#pragma once
// A time of day: hour, minute and second.
#include "CPersistObject.h"

class CPersistTime : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CPersistTime)
public:
    CPersistTime() = default;
    CPersistTime(const CPersistTime& other) = default;
    CPersistTime& operator=(const CPersistTime& other);
    ~CPersistTime() override = default;

    void Clear() override;
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Out-of-range values keep the stored one.
    virtual unsigned short ValidateHour(unsigned short hour);
    virtual void SideEffectHourChanged();
    virtual unsigned char ValidateMinute(unsigned char minute);
    virtual void SideEffectMinuteChanged();
    virtual unsigned char ValidateSecond(unsigned char second);
    virtual void SideEffectSecondChanged();

    bool SetHour(unsigned short hour);
    bool SetMinute(unsigned char minute);
    bool SetSecond(unsigned char second);
    unsigned short GetHour() const { return m_hour; }
    unsigned char GetMinute() const { return m_minute; }
    unsigned char GetSecond() const { return m_second; }

    static constexpr LONG kHourChangedNotice = FourCharCode("ptin");
    static constexpr LONG kMinuteChangedNotice = FourCharCode("ptio");
    static constexpr LONG kSecondChangedNotice = FourCharCode("ptip");
    static const char* const kPersistTimeHourTag;
    static const char* const kPersistTimeMinuteTag;
    static const char* const kPersistTimeSecondTag;

protected:
    unsigned short m_hour = 0;
    unsigned char m_minute = 0;
    unsigned char m_second = 0;
};
