#include "CAdvTrackOutputController.h"

#include "CMediaOutput2.h"
#include "TListenedReference.h"
#include "UFormatRows.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"

CAdvTrackOutputController::CAdvTrackOutputController()
{
    mExpectedType = FourCharCode("mdo2");
}

CAdvTrackOutputController::~CAdvTrackOutputController()
{
    RetargetListenedReference<CTrackOutput>(*this, m_track, nullptr);
}

CMediaOutput2* CAdvTrackOutputController::GetMediaOutput() const
{
    return static_cast<CMediaOutput2*>(GetObjectA());
}

void CAdvTrackOutputController::SetOutput(CTrackOutput* track)
{
    RetargetListenedReference(*this, m_track, track);
}

bool CAdvTrackOutputController::ShowRemux()
{
    CMediaOutput2* output = GetMediaOutput();
    if (!output) return false;
    switch (output->GetSplitterType()) {
    case 100:
    case 120:
    case 130:
    case 350:
    case 500:
    case 900:
    case 1100:
    case 1200: break;
    default: return false;
    }
    return !UFormatRows::FindTvOption(UFormatRows::Find(output->GetSplitterType()), output->GetTvType());
}

void CAdvTrackOutputController::ReflectOutputType()
{
    UWindowsUtils::EnableWindow(m_remux, ShowRemux());
}

void CAdvTrackOutputController::SetDefaultRemux()
{
    const bool allowed = ShowRemux();
    UWindowsUtils::EnableWindow(m_remux, allowed);
    if (!allowed && m_track) m_track->SetRemux(false);
}

void CAdvTrackOutputController::ReflectRemux()
{
    if (m_track) UWindowsUtils::SetCheck(m_remux, m_track->GetRemux());
}

void CAdvTrackOutputController::EnterRemux()
{
    if (m_track && m_remux && !m_track->SetRemux(UWindowsUtils::GetCheck(m_remux))) ReflectRemux();
}

void CAdvTrackOutputController::Refresh()
{
    ReflectOutputType();
    ReflectRemux();
}

bool CAdvTrackOutputController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CMediaOutput2::kTvTypeChangedNotice:
    case COutputType2::kSplitterTypeChangedNotice:
        SetDefault();
        Refresh();
        return true;
    case CTrackOutput::kRemuxChangedNotice:
        ReflectRemux();
        return true;
    default:
        return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CAdvTrackOutputController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_track, p);
    return CObjectController2::ListenToMessage(message, p, q);
}
