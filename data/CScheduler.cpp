#include "CScheduler.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CScheduler, CPersistObject, FourCharCode("scdl"))

const char* const CScheduler::kSchedulerStartOnTag = "start";
const char* const CScheduler::kSchedulerStopOnTag = "start time";
const char* const CScheduler::kSchedulerStartTimeTag = "stop";
const char* const CScheduler::kSchedulerStopTimeTag = "stop time";

CScheduler& CScheduler::operator=(const CScheduler& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_startOn = other.m_startOn;
    m_startTime = other.m_startTime;
    m_stopOn = other.m_stopOn;
    m_stopTime = other.m_stopTime;
    return *this;
}

void CScheduler::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kSchedulerStartOnTag, m_startOn);
    storage.Save(kSchedulerStopOnTag, m_stopOn);
    m_startTime.Save(kSchedulerStartTimeTag, storage);
    m_stopTime.Save(kSchedulerStopTimeTag, storage);
}

void CScheduler::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kSchedulerStartOnTag, m_startOn);
    storage.Load(kSchedulerStopOnTag, m_stopOn);
    m_startTime.Load(kSchedulerStartTimeTag, storage);
    m_stopTime.Load(kSchedulerStopTimeTag, storage);
}

MV_IMPLEMENT_PLAIN_PROPERTY(CScheduler, StartOn, bool, bool, m_startOn, kStartOnChangedNotice)
MV_IMPLEMENT_PLAIN_PROPERTY(CScheduler, StopOn, bool, bool, m_stopOn, kStopOnChangedNotice)
