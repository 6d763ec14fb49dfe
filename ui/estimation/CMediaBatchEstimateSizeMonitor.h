#pragma once
// Keeps the estimated sizes of a file list in step with the output settings being edited.
#include "CListener.h"
#include "win32/WinTypes.h"

class CAudioInfo2;
class CAudioOutput2;
class CMediaFile2;
class CMediaOutput2;
class CPersistList;
class CVideoInfo2;
class CVideoOutput2;
class CWmOutput2;

class CMediaBatchEstimateSizeMonitor : public CListener {
public:
    CMediaBatchEstimateSizeMonitor() = default;
    CMediaBatchEstimateSizeMonitor(const CMediaBatchEstimateSizeMonitor& other) = default;
    CMediaBatchEstimateSizeMonitor& operator=(const CMediaBatchEstimateSizeMonitor& other) = default;
    ~CMediaBatchEstimateSizeMonitor() override = default;

    // The records are not owned; each is listened to while it is held.
    void SetMediaOutput(CMediaOutput2* output);
    void SetAudioOutput(CAudioOutput2* output);
    void SetVideoOutput(CVideoOutput2* output);
    void SetVideoInfo(CVideoInfo2* info);
    void SetWmOutput(CWmOutput2* output);
    void SetFileList(CPersistList* files);

    CMediaOutput2* GetMediaOutput() const { return m_mediaOutput; }
    CAudioOutput2* GetAudioOutput() const { return m_audioOutput; }
    CAudioInfo2* GetAudioInfo() const { return m_audioInfo; }
    CVideoOutput2* GetVideoOutput() const { return m_videoOutput; }
    CVideoInfo2* GetVideoInfo() const { return m_videoInfo; }
    CWmOutput2* GetWmOutput() const { return m_wmOutput; }
    CPersistList* GetFileList() const { return m_files; }

    void Update();
    // A bitrate of 0 is worked out from the file itself.
    void UpdateFile(CMediaFile2* file, ULONG bitrate);

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;

private:
    void SetAudioInfo(CAudioInfo2* info);

    CMediaOutput2* m_mediaOutput = nullptr;
    CAudioOutput2* m_audioOutput = nullptr;
    CAudioInfo2* m_audioInfo = nullptr;
    CVideoOutput2* m_videoOutput = nullptr;
    CVideoInfo2* m_videoInfo = nullptr;
    CWmOutput2* m_wmOutput = nullptr;
    CPersistList* m_files = nullptr;
};
