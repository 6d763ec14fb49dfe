#pragma once
// Keeps an adjusted preview in step with a video track's crop, aspect ratio, scaling, flip
// and rotation; the preview is rebuilt shortly after a change, from the message loop.
#include "CDelayedFunction.h"
#include "CListener.h"

class CAdjustedFilePlaybackAdministrator2;
class CAspectRatioInfo2;
class CVideoTrack;
class CVideoTransformation;

class CAspectRatioPlaybackMonitor : public CListener {
public:
    explicit CAspectRatioPlaybackMonitor(CAdjustedFilePlaybackAdministrator2* player);
    CAspectRatioPlaybackMonitor(const CAspectRatioPlaybackMonitor& other);
    CAspectRatioPlaybackMonitor& operator=(const CAspectRatioPlaybackMonitor& other);
    ~CAspectRatioPlaybackMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

    void SetVideoTrack(CVideoTrack* track);
    void SetAspectRatio(CAspectRatioInfo2* aspectRatio);
    void SetTransformation(CVideoTransformation* transformation);
    // Copies everything the player shows from the track.
    void ResetPlayer();
    void Refresh();

private:
    void RefreshLater(unsigned milliseconds);
    void Unfollow();

    CAdjustedFilePlaybackAdministrator2* m_player;
    CVideoTrack* m_track = nullptr;
    CAspectRatioInfo2* m_aspectRatio = nullptr;
    CVideoTransformation* m_transformation = nullptr;
    // Owned, so that a refresh still pending when the monitor goes is never called.
    CDelayedFunction m_refresh{false};
};
