#include "CAudioVolumeMonitor.h"

#include "CAudioSource2.h"
#include "CDxRecordingTask.h"
#include "TListenedReference.h"

CAudioVolumeMonitor::CAudioVolumeMonitor(const CAudioVolumeMonitor& other) : CListener(), m_task(other.m_task)
{
    SetSource(other.m_source);
}

CAudioVolumeMonitor& CAudioVolumeMonitor::operator=(const CAudioVolumeMonitor& other)
{
    m_task = other.m_task;
    SetSource(other.m_source);
    return *this;
}

CAudioVolumeMonitor::~CAudioVolumeMonitor()
{
    SetSource(nullptr);
}

void CAudioVolumeMonitor::SetSource(CAudioSource2* source)
{
    RetargetListenedReference(*this, m_source, source);
}

bool CAudioVolumeMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code != CAudioSource2::kAutoVolumeChangedNotice && code != CAudioSource2::kVolumeChangedNotice)
        return CListener::Respond(code, sender, a, b);
    if (m_task && m_source) m_task->SetVolume(m_source->GetAutoVolume(), m_source->GetVolume());
    return true;
}

bool CAudioVolumeMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_source, p);
    return CListener::ListenToMessage(message, p, q);
}
