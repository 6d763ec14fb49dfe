#pragma once
// A recording schedule: an optional start and an optional stop moment.
#include "CPersistDateTime.h"

class CScheduler : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CScheduler)
public:
    CScheduler() = default;
    CScheduler(const CScheduler& other) = default;
    CScheduler& operator=(const CScheduler& other);
    ~CScheduler() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual bool ValidateStartOn(bool on);
    virtual void SideEffectStartOnChanged();
    virtual bool ValidateStopOn(bool on);
    virtual void SideEffectStopOnChanged();

    bool SetStartOn(bool on);
    bool SetStopOn(bool on);
    bool GetStartOn() const { return m_startOn; }
    bool GetStopOn() const { return m_stopOn; }
    CPersistDateTime& GetStartTime() { return m_startTime; }
    CPersistDateTime& GetStopTime() { return m_stopTime; }

    static constexpr LONG kStartOnChangedNotice = FourCharCode("scdm");
    static constexpr LONG kStopOnChangedNotice = FourCharCode("scdn");
    // Settings files hold the stop flag under "start time" and the start moment under
    // "stop"; the names stay so that they keep loading.
    static const char* const kSchedulerStartOnTag;
    static const char* const kSchedulerStopOnTag;
    static const char* const kSchedulerStartTimeTag;
    static const char* const kSchedulerStopTimeTag;

private:
    bool m_startOn = false;
    CPersistDateTime m_startTime;
    bool m_stopOn = false;
    CPersistDateTime m_stopTime;
};
