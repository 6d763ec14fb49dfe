#pragma once
// Holds a preview recording task and the image upload it serves (with that upload's FTP
// account and image output), listening to each while it holds it.
#include "CListener.h"

class CFtpInfo2;
class CImageOutput;
class CImageUpload;
class CPreviewRecordingTask;

class CImageUploadMonitor : public CListener {
public:
    CImageUploadMonitor() = default;
    CImageUploadMonitor(const CImageUploadMonitor& other);
    CImageUploadMonitor& operator=(const CImageUploadMonitor& other);
    ~CImageUploadMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;

    void SetTask(CPreviewRecordingTask* task);
    // Takes the upload's FTP account and image output along with it.
    void SetImageUpload(CImageUpload* upload);

    CPreviewRecordingTask* GetTask() const { return m_task; }
    CImageUpload* GetImageUpload() const { return m_upload; }
    CFtpInfo2* GetFtpInfo() const { return m_ftp; }
    CImageOutput* GetImageOutput() const { return m_image; }

private:
    CPreviewRecordingTask* m_task = nullptr;
    CImageUpload* m_upload = nullptr;
    CFtpInfo2* m_ftp = nullptr;
    CImageOutput* m_image = nullptr;
};
