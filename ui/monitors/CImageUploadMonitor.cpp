#include "CImageUploadMonitor.h"

#include "CImageUpload.h"
#include "CPreviewRecordingTask.h"
#include "TListenedReference.h"

CImageUploadMonitor::CImageUploadMonitor(const CImageUploadMonitor& other) : CListener()
{
    SetTask(other.m_task);
    SetImageUpload(other.m_upload);
}

CImageUploadMonitor& CImageUploadMonitor::operator=(const CImageUploadMonitor& other)
{
    SetTask(other.m_task);
    SetImageUpload(other.m_upload);
    return *this;
}

CImageUploadMonitor::~CImageUploadMonitor()
{
    SetTask(nullptr);
    SetImageUpload(nullptr);
}

void CImageUploadMonitor::SetTask(CPreviewRecordingTask* task)
{
    RetargetListenedReference(*this, m_task, task);
}

void CImageUploadMonitor::SetImageUpload(CImageUpload* upload)
{
    if (!RetargetListenedReference(*this, m_upload, upload)) return;
    RetargetListenedReference(*this, m_ftp, upload ? &upload->GetFtpInfo() : nullptr);
    RetargetListenedReference(*this, m_image, upload ? &upload->GetImageOutput() : nullptr);
}

bool CImageUploadMonitor::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_task, p);
        ForgetDyingReference(m_upload, p);
        ForgetDyingReference(m_ftp, p);
        ForgetDyingReference(m_image, p);
    }
    return CListener::ListenToMessage(message, p, q);
}
