#pragma once
// Converts one probed media file to the writer's output: builds the file input set from
// the probe, hands the input's tracks and the thumbnail settings to the output set,
// reports progress, watches the run for a stall (retrying once with the older Windows
// Media source) and ends a Windows Media write that never reports its own end.
#include "CDuration.h"
#include "CGraphMonitor.h"
#include "CMediaFile2.h"
#include "CMediaWriterAdministrator2.h"
#include "CWindowsProgressAction.h"

class CMediaConversionAdministrator2 : public CMediaWriterAdministrator2, public CWindowsProgressAction {
public:
    enum {
        kGraphEventMessage = 1006,
    };
    // The first error of a run that stalled and could not be started again.
    static const char* const kStallErrorText;

    CMediaConversionAdministrator2();
    ~CMediaConversionAdministrator2() override;

    bool Create() override;
    bool CreateInputFilters() override;
    bool CreateProcessingOutputFilters() override;
    bool ConnectInput() override;
    bool Play() override;
    void ReachStop() override;
    void Reset() override;
    bool WantsVideo() override;
    bool WantsAudio() override;
    // The save file's path with the extension of the snapshot's image type.
    virtual CString GetThumbnailFilePath();
    // Seconds the output set has written; 0 when it reports nothing.
    virtual double GetConversionPosition();
    // The stall reaction: one retry with the older Windows Media source, else the end.
    virtual void StopWithError();

    char* GetText() override;
    double GetProgress() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;

    void SetMediaFile(CMediaFile2& file);
    void SetDuration(CDuration& duration);
    // False (after telling the user) when the output would overwrite the input.
    bool CheckFilePath();
    void SetupPspOptions();
    CString GetPspThumbnailFilePath();
    // Milliseconds from the start of play to the stop; 0 while either is unknown.
    DWORD GetConversionTime() const;

    CMediaFile2& GetMediaFile() { return m_mediaFile; }
    CDuration& GetDuration() { return m_duration; }
    CGraphMonitor& GetGraphMonitor() { return m_monitor; }
    bool GetRetry() const { return m_retry; }

    static const GUID kAsfReaderId;
    static const GUID kWmSourceId;

private:
    static int RunStopWithError(long serial, long);
    void CancelStopWithError();
    bool IsWindowsMediaOutput() const;

    CMediaFile2 m_mediaFile;
    CDuration m_duration;
    CGraphMonitor m_monitor;
    bool m_retry = false;
    DWORD m_playStartTime = 0;
    DWORD m_stopTime = 0;
    long m_stallSerial = 0; // the scheduled stall reaction, 0 = none
};
