#include "CAdvVideoOutputController.h"

#include "CMediaOutput2.h"
#include "CVideoCodecsInfo.h"
#include "CVideoOutput2.h"
#include "UWindowsUtils.h"

CAdvVideoOutputController::CAdvVideoOutputController()
{
    m_catalogue = CVideoCodecsInfo::sInfo;
    if (m_catalogue) static_cast<CBroadcaster*>(m_catalogue)->AddListener(this);
}

CAdvVideoOutputController::~CAdvVideoOutputController()
{
    if (m_catalogue) static_cast<CBroadcaster*>(m_catalogue)->RemoveListener(this);
}

void CAdvVideoOutputController::SetObjectSelf(CPersistObject* object)
{
    CAdvTrackOutputController::SetObjectSelf(object);
    CMediaOutput2* output = GetMediaOutput();
    SetOutput(output ? &output->GetVideoOutput() : nullptr);
}

bool CAdvVideoOutputController::ShowRemux()
{
    if (!CAdvTrackOutputController::ShowRemux()) return false;
    auto* video = static_cast<CVideoOutput2*>(m_track);
    return !video || !video->GetGreyScale();
}

void CAdvVideoOutputController::ReflectGreyScale()
{
    if (m_track) UWindowsUtils::SetCheck(m_greyScale, static_cast<CVideoOutput2*>(m_track)->GetGreyScale());
}

void CAdvVideoOutputController::EnterGreyScale()
{
    if (m_track && m_greyScale) static_cast<CVideoOutput2*>(m_track)->SetGreyScale(UWindowsUtils::GetCheck(m_greyScale));
}

void CAdvVideoOutputController::Refresh()
{
    CAdvTrackOutputController::Refresh();
    ReflectGreyScale();
}

bool CAdvVideoOutputController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CVideoOutput2::kGreyScaleChangedNotice) {
        Refresh();
        return true;
    }
    return CAdvTrackOutputController::Respond(code, sender, a, b);
}

bool CAdvVideoOutputController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage && m_catalogue && p == static_cast<const CBroadcaster*>(m_catalogue))
        m_catalogue = nullptr;
    return CAdvTrackOutputController::ListenToMessage(message, p, q);
}
