#include "CAspectRatioPlaybackMonitor.h"

#include "CAdjustedFilePlaybackAdministrator2.h"
#include "CVideoTrack.h"
#include "TListenedReference.h"

#include <utility>

namespace {

int RefreshOf(long monitor, long)
{
    reinterpret_cast<CAspectRatioPlaybackMonitor*>(monitor)->Refresh();
    return 0;
}

bool QuarterTurn(EImageRotation rotation)
{
    return rotation == kImageRotationLeft || rotation == kImageRotationRight;
}

} // namespace

CAspectRatioPlaybackMonitor::CAspectRatioPlaybackMonitor(CAdjustedFilePlaybackAdministrator2* player)
    : m_player(player)
{
}

CAspectRatioPlaybackMonitor::CAspectRatioPlaybackMonitor(const CAspectRatioPlaybackMonitor& other)
    : CListener(), m_player(other.m_player)
{
    RetargetListenedReference(*this, m_track, other.m_track);
    RetargetListenedReference(*this, m_aspectRatio, other.m_aspectRatio);
    RetargetListenedReference(*this, m_transformation, other.m_transformation);
}

CAspectRatioPlaybackMonitor& CAspectRatioPlaybackMonitor::operator=(const CAspectRatioPlaybackMonitor& other)
{
    if (this == &other) return *this;
    m_player = other.m_player;
    RetargetListenedReference(*this, m_track, other.m_track);
    RetargetListenedReference(*this, m_aspectRatio, other.m_aspectRatio);
    RetargetListenedReference(*this, m_transformation, other.m_transformation);
    return *this;
}

CAspectRatioPlaybackMonitor::~CAspectRatioPlaybackMonitor()
{
    Unfollow();
}

void CAspectRatioPlaybackMonitor::Unfollow()
{
    RetargetListenedReference<CVideoTrack>(*this, m_track, nullptr);
    RetargetListenedReference<CAspectRatioInfo2>(*this, m_aspectRatio, nullptr);
    RetargetListenedReference<CVideoTransformation>(*this, m_transformation, nullptr);
}

void CAspectRatioPlaybackMonitor::RefreshLater(unsigned milliseconds)
{
    m_refresh.SetFunction(RefreshOf, reinterpret_cast<long>(this), 0);
    m_refresh.Activate(milliseconds);
}

void CAspectRatioPlaybackMonitor::Refresh()
{
    if (m_player) m_player->Refresh();
}

void CAspectRatioPlaybackMonitor::SetVideoTrack(CVideoTrack* track)
{
    if (!RetargetListenedReference(*this, m_track, track)) return;
    if (!m_track) {
        SetAspectRatio(nullptr);
        SetTransformation(nullptr);
        return;
    }
    SetAspectRatio(&m_track->GetAspectRatio());
    SetTransformation(&m_track->GetTransformation());
    ResetPlayer();
}

void CAspectRatioPlaybackMonitor::SetAspectRatio(CAspectRatioInfo2* aspectRatio)
{
    if (RetargetListenedReference(*this, m_aspectRatio, aspectRatio) && m_aspectRatio) RefreshLater(50);
}

void CAspectRatioPlaybackMonitor::SetTransformation(CVideoTransformation* transformation)
{
    RetargetListenedReference(*this, m_transformation, transformation);
}

void CAspectRatioPlaybackMonitor::ResetPlayer()
{
    if (!m_player || !m_track || !m_aspectRatio || !m_transformation) return;
    StopListening();
    m_player->SetCropLeft(m_track->GetCropLeft());
    m_player->SetCropRight(m_track->GetCropRight());
    m_player->SetCropTop(m_track->GetCropTop());
    m_player->SetCropBottom(m_track->GetCropBottom());
    unsigned short width = m_track->GetVideoInfo().GetWidth();
    unsigned short height = m_track->GetVideoInfo().GetHeight();
    if (QuarterTurn(m_transformation->GetRotate())) std::swap(width, height);
    m_player->SetWidth(width);
    m_player->SetHeight(height);
    m_player->SetInputAspectRatio(m_aspectRatio->GetInput());
    m_player->SetOutputAspectRatio(m_aspectRatio->GetOutput());
    m_player->SetScaling(m_aspectRatio->GetScaling());
    m_player->SetFlip(m_transformation->GetFlip());
    m_player->SetRotation(m_transformation->GetRotate());
    StartListening();
    RefreshLater(50);
}

bool CAspectRatioPlaybackMonitor::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (!m_player) return CListener::Respond(code, sender, a, b);
    switch (code) {
    case CAspectRatioInfo2::kInputChangedNotice:
        if (m_aspectRatio) m_player->SetInputAspectRatio(m_aspectRatio->GetInput());
        break;
    case CAspectRatioInfo2::kOutputChangedNotice:
        if (m_aspectRatio) m_player->SetOutputAspectRatio(m_aspectRatio->GetOutput());
        break;
    case CAspectRatioInfo2::kScalingChangedNotice:
        if (m_aspectRatio) m_player->SetScaling(m_aspectRatio->GetScaling());
        break;
    case CVideoTransformation::kFlipChangedNotice:
        if (m_transformation) m_player->SetFlip(m_transformation->GetFlip());
        break;
    case CVideoTransformation::kRotateChangedNotice:
        if (!m_transformation) break;
        // A quarter turn shows the picture on its side: the output aspect becomes the inverse.
        if (m_aspectRatio) {
            const double input = m_aspectRatio->GetInput();
            if (!QuarterTurn(m_transformation->GetRotate())) {
                m_aspectRatio->SetOutput(input);
                m_aspectRatio->SetScaling(TVideoScaling(0));
            } else if (input != 0) {
                m_aspectRatio->SetOutput(1.0 / input);
                m_aspectRatio->SetScaling(TVideoScaling(0));
            }
        }
        m_player->SetRotation(m_transformation->GetRotate());
        break;
    case CVideoTrack::kCropLeftChangedNotice:
    case CVideoTrack::kCropTopChangedNotice:
    case CVideoTrack::kCropRightChangedNotice:
    case CVideoTrack::kCropBottomChangedNotice:
        if (!m_track) break;
        m_player->SetCropLeft(m_track->GetCropLeft());
        m_player->SetCropTop(m_track->GetCropTop());
        m_player->SetCropRight(m_track->GetCropRight());
        m_player->SetCropBottom(m_track->GetCropBottom());
        m_player->SetRefresh(true);
        break;
    default:
        return CListener::Respond(code, sender, a, b);
    }
    RefreshLater(10);
    return true;
}

bool CAspectRatioPlaybackMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_track, p);
        ForgetDyingReference(m_aspectRatio, p);
        ForgetDyingReference(m_transformation, p);
    }
    return CListener::ListenToMessage(message, p, q);
}
