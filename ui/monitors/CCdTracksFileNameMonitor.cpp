#include "CCdTracksFileNameMonitor.h"

#include "CAudioCdTrack2.h"
#include "COutputType2.h"
#include "CPersistList.h"
#include "TListenedReference.h"
#include "UOutputFileNames.h"

#include <cstdio>

CCdTracksFileNameMonitor::CCdTracksFileNameMonitor(const CCdTracksFileNameMonitor& other) : CListener()
{
    RetargetListenedReference(*this, m_output, other.m_output);
    RetargetListenedReference(*this, m_tracks, other.m_tracks);
}

CCdTracksFileNameMonitor& CCdTracksFileNameMonitor::operator=(const CCdTracksFileNameMonitor& other)
{
    RetargetListenedReference(*this, m_output, other.m_output);
    RetargetListenedReference(*this, m_tracks, other.m_tracks);
    return *this;
}

CCdTracksFileNameMonitor::~CCdTracksFileNameMonitor()
{
    RetargetListenedReference<COutputType2>(*this, m_output, nullptr);
    RetargetListenedReference<CPersistList>(*this, m_tracks, nullptr);
}

void CCdTracksFileNameMonitor::SetOutputType(COutputType2* output)
{
    if (RetargetListenedReference(*this, m_output, output)) Update();
}

void CCdTracksFileNameMonitor::SetFiles(CPersistList* tracks)
{
    if (RetargetListenedReference(*this, m_tracks, tracks)) Update();
}

CString CCdTracksFileNameMonitor::GetExtension()
{
    return m_output ? UOutputFileNames::GetOutputExtension(m_output->GetSplitterType(), true, false) : CString();
}

void CCdTracksFileNameMonitor::UpdateFile(CAudioCdTrack2* track)
{
    if (!track) return;
    const int number = track->GetTrackNumber() + 1;
    char name[64];
    std::snprintf(name, sizeof name, number < 10 ? "track0%d.%s" : "track%d.%s", number, GetExtension().GetString());
    track->GetOutputFile().SetFilePath(name);
}

void CCdTracksFileNameMonitor::Update()
{
    for (int i = 0; m_tracks && i < m_tracks->GetItemCount(); ++i) {
        CPersistObject* item = m_tracks->GetAt(i);
        if (item && item->IsInstanceOf(FourCharCode("act2"))) UpdateFile(static_cast<CAudioCdTrack2*>(item));
    }
}

bool CCdTracksFileNameMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CPersistList::kListItemAddedNotice) {
        auto* item = reinterpret_cast<CPersistObject*>(a);
        if (item && item->IsInstanceOf(FourCharCode("act2"))) UpdateFile(static_cast<CAudioCdTrack2*>(item));
        return true;
    }
    if (code == COutputType2::kSplitterTypeChangedNotice) {
        Update();
        return true;
    }
    return CListener::Respond(code, sender, a, b);
}

bool CCdTracksFileNameMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_output, p);
        ForgetDyingReference(m_tracks, p);
    }
    return CListener::ListenToMessage(message, p, q);
}
