#pragma once
// Rips one audio CD track into a file of the chosen output type: a media writer whose input
// is the drive's track reader.
#include "CAudioCdTrack2.h"
#include "CMediaWriterAdministrator2.h"
#include "CWindowsProgressAction.h"

class CAudioCdConversionAdministrator2 : public CMediaWriterAdministrator2, public CWindowsProgressAction {
public:
    bool CreateInputFilters() override;
    bool Play() override;
    char* GetText() override;
    double GetProgress() override;

    void SetMediaFile(CAudioCdTrack2& track) { m_track = track; }
    void SetAdapterId(BYTE adapter) { m_adapter = adapter; }
    void SetScsiId(BYTE scsi) { m_scsi = scsi; }
    CAudioCdTrack2& GetTrack() { return m_track; }

private:
    CAudioCdTrack2 m_track;
    BYTE m_adapter = 0;
    BYTE m_scsi = 0;
};
