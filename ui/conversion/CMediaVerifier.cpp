#include "CMediaVerifier.h"

#include "CMediaFile2.h"

CMediaVerifier::CMediaVerifier(bool addAudio, bool addVideo, bool requireAudio)
    : m_addAudio(addAudio), m_addVideo(addVideo), m_requireAudio(requireAudio)
{
    m_progress.AddListener(this);
}

CMediaVerifier::~CMediaVerifier()
{
    m_progress.RemoveListener(this);
    m_progress.End();
    CMediaVerifier::Reset();
}

bool CMediaVerifier::ListenToMessage(long message, const void* p, const void* q)
{
    return CListener::ListenToMessage(message, p, q);
}

bool CMediaVerifier::Respond(long code, CBroadcaster* sender, long a, long b)
{
    return CListener::Respond(code, sender, a, b);
}

void CMediaVerifier::Reset()
{
    for (int i = 0; i < m_mediaList.GetItemCount(); ++i) delete static_cast<CMediaFile2*>(m_mediaList.GetAt(i));
    m_mediaList.RemoveAll();
    m_failList.Clear();
}

void CMediaVerifier::FinishAdd()
{
    m_progress.End();
    PopulateMediaList();
}
