#pragma once
// Plays one track of an audio CD, reporting its position like file playback.
#include "CFilePlaybackAdministrator2.h"

class CAudioCdPlaybackAdministrator2 : public CFilePlaybackAdministrator2 {
public:
    CAudioCdPlaybackAdministrator2();
    ~CAudioCdPlaybackAdministrator2() override;

    bool CreateInputFilters() override;
    bool CreateProcessingOutputFilters() override { return false; }
    void Reset() override {}

    void SetAdapterId(BYTE adapter) { m_adapter = adapter; }
    void SetScsiId(BYTE scsi) { m_scsi = scsi; }
    void SetTrackNumber(BYTE track) { m_track = track; }

protected:
    bool SeeksToStartOnStop() const override { return false; }
    bool PausesOnSeek() const override { return false; }

private:
    BYTE m_adapter = 255;
    BYTE m_scsi = 0;
    BYTE m_track = 0;
};
