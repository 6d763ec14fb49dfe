#pragma once
// "Audio Track": the source of one audio CD track, read from a drive address (adapter,
// SCSI id, track) or, with no adapter, from a track file path.
#include "CSourceFilter.h"

class CAudioTrackFilter : public CSourceFilter {
public:
    static constexpr BYTE kNoAdapter = 255;

    explicit CAudioTrackFilter(CDirectShowGraph* graph = nullptr, const char* name = "Audio Track");

    // Fails when the source refuses the drive address or the path.
    bool Create() override;

    void SetPath(const char* path) { m_path = path ? path : ""; }
    const CString& GetPath() const { return m_path; }
    void SetAdapterId(BYTE adapter) { m_adapter = adapter; }
    void SetScsiId(BYTE scsi) { m_scsi = scsi; }
    void SetTrackNumber(BYTE track) { m_track = track; }
    BYTE GetAdapterId() const { return m_adapter; }
    BYTE GetScsiId() const { return m_scsi; }
    BYTE GetTrackNumber() const { return m_track; }

private:
    bool PassDriveAddress();
    bool LoadPath();

    CString m_path;
    BYTE m_adapter = kNoAdapter;
    BYTE m_scsi = 0;
    BYTE m_track = 0;
};
