#include "CAdvAudioOutputController.h"

#include "CAudioCodecsInfo.h"
#include "CMediaOutput2.h"
#include "TListenedReference.h"

CAdvAudioOutputController::CAdvAudioOutputController()
{
    RetargetListenedReference<CCodecsInfo>(*this, m_catalogue, CAudioCodecsInfo::sInfo);
}

CAdvAudioOutputController::~CAdvAudioOutputController()
{
    RetargetListenedReference<CCodecsInfo>(*this, m_catalogue, nullptr);
}

void CAdvAudioOutputController::SetObjectSelf(CPersistObject* object)
{
    CAdvTrackOutputController::SetObjectSelf(object);
    SetOutput(GetMediaOutput() ? GetMediaOutput()->GetAudioOutput(0) : nullptr);
}

bool CAdvAudioOutputController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_catalogue, p);
    return CAdvTrackOutputController::ListenToMessage(message, p, q);
}
