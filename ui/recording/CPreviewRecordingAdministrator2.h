#pragma once
// Keeps a camera graph running for preview and switches it between previewing (nothing
// written) and recording (the file output, optionally uploading by FTP at intervals). Each
// switch stops, releases and rebuilds the whole graph.
#include "CFtpInfo2.h"
#include "CMediaWriterAdministrator2.h"
#include "CTimedAction.h"
#include "CTimer.h"

class CStatic;

class CPreviewRecordingAdministrator2 : public CMediaWriterAdministrator2 {
public:
    CPreviewRecordingAdministrator2();
    ~CPreviewRecordingAdministrator2() override;

    bool CreateRenderOutputFilters() override;
    bool CreateProcessingOutputFilters() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

    void SetFtpInterval(CTimedAction& interval);
    void SetFtpInfo(CFtpInfo2& info);
    void SetFtpText(CStatic* text) { m_ftpText = text; }
    bool StartRecording();
    bool PauseRecording();
    bool StopRecording();
    bool IsRecording() const { return m_recording; }
    // Shows the output set's status in the FTP text control when it changed.
    void RefreshFtpText();

    CTimer& GetStatusTimer() { return m_statusTimer; }

    static constexpr unsigned int kStatusPeriodMs = 200;

private:
    bool m_recording = false;
    CTimedAction m_ftpInterval;
    CFtpInfo2 m_ftpInfo;
    CTimer m_statusTimer;
    CStatic* m_ftpText = nullptr;
};
