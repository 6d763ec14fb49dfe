#include "CTimedAction.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CTimedAction, CPersistObject, FourCharCode("tmda"))

namespace {
const char* const kIntervalTag = "interval";
constexpr unsigned short kShortestRefused = 2;
}

void CTimedAction::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kIntervalTag, m_interval);
}

void CTimedAction::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kIntervalTag, m_interval);
    SetInterval(m_interval);
}

unsigned short CTimedAction::ValidateInterval(unsigned short interval)
{
    if (interval > kShortestRefused) return interval;
    return m_interval > kShortestRefused ? m_interval : kDefaultInterval;
}
MV_IMPLEMENT_NO_SIDE_EFFECT(CTimedAction, Interval)
MV_IMPLEMENT_PROPERTY_SETTER(CTimedAction, Interval, unsigned short, m_interval, kIntervalChangedNotice)
