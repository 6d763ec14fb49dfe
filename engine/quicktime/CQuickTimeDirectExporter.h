#pragma once
// Writes a movie file through one of QuickTime's movie exporters while the samples still
// arrive: each track is a data source that QuickTime pulls on the exporter's own thread.
// The same object opens the exporter for the settings pages, shows its settings dialog and
// reads or applies its settings blob.
#include "CHandle.h"
#include "CMvCriticalSection.h"
#include "CQuickTimeDirectExportThread.h"
#include "CThirdPartyEncoder.h"
#include "quicktime/QuickTimeMovies.h"

#include <vector>

class CQuickTimeDirectTrackExport;
struct SQuickTimeCalls;

class CQuickTimeDirectExporter : public CThirdPartyEncoder {
public:
    CQuickTimeDirectExporter();
    ~CQuickTimeDirectExporter() override;

    bool Open() override;
    void Close() override;

    void SetFileType(OSType type) { m_fileType = type; }
    OSType GetFileType() const { return m_fileType; }
    bool IsAudioOnly() const;
    bool IsOpen() const { return m_exporter != nullptr; }
    ComponentInstance GetMovieExporter() const { return m_exporter; }
    const FSSpec& GetFileSpec() const { return m_fileSpec; }
    void SetSafeMode(bool on) { m_safeMode = on; }

    // QuickTime's export settings dialog; false when cancelled or failed.
    bool DoDialog();
    void SetSettings(const unsigned char* bytes, uint32_t length);
    void GetSettings(CHandle& settings);
    uint32_t GetSettingsLength();

    // Tracks are the caller's until Close, which deletes them.
    void AddTrack(CQuickTimeDirectTrackExport* track);
    void RemoveTrack(CQuickTimeDirectTrackExport* track);
    int GetTrackCount() const { return int(m_tracks.size()); }
    CQuickTimeDirectTrackExport* GetTrack(int index) const;

    void Start();
    // Stops the tracks and waits for the export thread to end; false when it has not ended
    // within kStopTimeoutMs (QuickTime hangs).
    bool Stop();
    // Waits up to 2 s for the export thread to end; true when it has.
    bool WaitForStop();
    bool IsStopped() const { return !m_thread.IsRunning(); }

    // A stopped export still sits out the safe-mode wait for samples (4 s) and then lets
    // QuickTime finish the file.
    static constexpr DWORD kStopTimeoutMs = 60000;
    static constexpr DWORD kWaitForStopMs = 2000;

    // The export itself, run on the export thread.
    void Export();

private:
    bool OpenTracks();
    void CloseTracks();
    void ReallySetSettings();
    void ReallyGetSettings();
    void SetMovieSettings();
    void StartThread();

    const SQuickTimeCalls* m_qt;
    OSType m_fileType = 0;
    ComponentInstance m_exporter = nullptr;
    CHandle m_settings;
    FSSpec m_fileSpec{};
    CMvCriticalSection m_lock;
    CQuickTimeDirectExportThread m_thread;
    std::vector<CQuickTimeDirectTrackExport*> m_tracks;
    bool m_safeMode = false;
};
