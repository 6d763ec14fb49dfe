#pragma once
// Reads one audio CD track, from a drive address or from a track file path, through the
// "Audio Track" source.
#include "CFileInputFilters2.h"

class CAudioCdInputFilters2 : public CFileInputFilters2 {
public:
    explicit CAudioCdInputFilters2(CDirectShowGraph* graph = nullptr);

    bool CreateInput() override;

    void SetAdapterId(BYTE adapter) { m_adapter = adapter; }
    void SetScsiId(BYTE scsi) { m_scsi = scsi; }
    void SetTrackNumber(BYTE track) { m_track = track; }
    BYTE GetAdapterId() const { return m_adapter; }

    static const char* const kCreateReaderError;

private:
    BYTE m_adapter = 255;
    BYTE m_scsi = 0;
    BYTE m_track = 0;
};
