#pragma once
// The seconds between repeated actions, such as a writer's uploads.
#include "CPersistObject.h"
#include "MvMediaProperty.h"

class CTimedAction : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CTimedAction)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // A stored interval passes the setter's rule again.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    // Intervals of 2 seconds or less are refused.
    MV_DECLARE_PROPERTY(Interval, unsigned short, unsigned short)

    unsigned short GetInterval() const { return m_interval; }

    static constexpr LONG kIntervalChangedNotice = FourCharCode("tmdd");
    static constexpr unsigned short kDefaultInterval = 5;

private:
    unsigned short m_interval = kDefaultInterval;
};
