#include "CDuration.h"

#include "CPersistStorage.h"
#include "MvMediaProperty.h"

MV_IMPLEMENT_PERSIST_CLASS(CDuration, CPersistObject, FourCharCode("dura"))

const char* const CDuration::kDurationMaxTag = "max";
const char* const CDuration::kDurationStartTag = "start";
const char* const CDuration::kDurationEndTag = "end";

CDuration& CDuration::operator=(const CDuration& other)
{
    if (this == &other) return *this;
    CPersistObject::operator=(other);
    m_max = other.m_max;
    m_start = other.m_start;
    m_end = other.m_end;
    return *this;
}

void CDuration::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    storage.Save(kDurationMaxTag, m_max);
    storage.Save(kDurationStartTag, m_start);
    storage.Save(kDurationEndTag, m_end);
}

void CDuration::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    storage.Load(kDurationMaxTag, m_max);
    storage.Load(kDurationStartTag, m_start);
    storage.Load(kDurationEndTag, m_end);
}

double CDuration::ValidateMax(double max)
{
    return max > 0 ? max : m_max;
}

double CDuration::ValidateStart(double start)
{
    double r = start < 0 ? 0 : start;
    if (HasMax() && r > m_max) r = 0;
    // A start may not pass the end.
    if (r > m_end) r = m_start <= m_end ? m_start : 0;
    return r;
}

double CDuration::ValidateEnd(double end)
{
    double r = HasMax() && end > m_max ? m_max : end;
    if (r >= m_start) return r;
    return m_end > m_start ? m_end : m_start;
}

void CDuration::SideEffectMaxChanged()
{
    SetStart(m_start);
    SetEnd(m_end == 0 ? m_max : m_end);
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CDuration, Start)
MV_IMPLEMENT_NO_SIDE_EFFECT(CDuration, End)
MV_IMPLEMENT_PROPERTY_SETTER(CDuration, Max, double, m_max, kMaxChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CDuration, Start, double, m_start, kStartChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CDuration, End, double, m_end, kEndChangedNotice)
