#include "COstrelTask.h"

#include "CNamedObject.h"
#include "COstrelData.h"
#include "COstrelRecordingAdministrator2.h"
#include "CVideoRecorder3d2.h"
#include "StWaitCursor.h"
#include "TListenedReference.h"

COstrelTask::~COstrelTask()
{
    // Stopped first: dropping the document while the preview runs would rebuild and play it.
    CDxTask::Stop(false);
    SetData(nullptr);
}

COstrelRecordingAdministrator2* COstrelTask::GetOstrelAdministrator() const
{
    return static_cast<COstrelRecordingAdministrator2*>(m_administrator);
}

void COstrelTask::SetData(COstrelData* document)
{
    RetargetListenedReference(*this, m_document, document);
    SetRecorder(m_document ? &m_document->GetVideoRecorder() : nullptr);
    CheckVideo();
}

void COstrelTask::SetRecorder(CVideoRecorder3d2* recorder)
{
    RetargetListenedReference(*this, m_recorder, recorder);
    SetSource1(m_recorder ? &m_recorder->GetVideoSource() : nullptr);
    SetSource2(m_recorder ? &m_recorder->GetVideoSource2() : nullptr);
}

void COstrelTask::SetSource1(CVideoSource2* source)
{
    RetargetListenedReference(*this, m_source1, source);
}

void COstrelTask::SetSource2(CVideoSource2* source)
{
    RetargetListenedReference(*this, m_source2, source);
}

ESplitterType COstrelTask::GetSplitter()
{
    return m_document ? m_document->GetMediaOutput().GetSplitterType() : 0;
}

CString COstrelTask::GetError()
{
    const char* error = m_document ? m_document->Validate() : nullptr;
    return CString(error ? error : "");
}

void COstrelTask::CheckVideo()
{
    m_primary = m_recorder ? m_recorder->GetPrimaryDevice() : CString();
    m_secondary = m_recorder ? m_recorder->GetSecondaryDevice() : CString();
    COstrelRecordingAdministrator2* administrator = GetOstrelAdministrator();
    if (!administrator || administrator->IsRecording()) return;
    StWaitCursor wait;
    administrator->Stop();
    administrator->Disconnect();
    administrator->Release();
    if (administrator->Create()) administrator->Play();
}

bool COstrelTask::ShowSettings()
{
    return GetOstrelAdministrator() && GetOstrelAdministrator()->ShowSettings();
}

bool COstrelTask::ShowSettings2()
{
    return GetOstrelAdministrator() && GetOstrelAdministrator()->ShowSettings2();
}

CDirectShowAdministrator2* COstrelTask::CreateAdministratorSelf()
{
    auto* administrator = new COstrelRecordingAdministrator2;
    if (m_document) {
        administrator->SetVideoSource(&m_document->GetVideoRecorder());
        administrator->SetMediaOutput(m_document->GetMediaOutput());
        administrator->SetSaveFile(m_document->GetFilePath());
    }
    return administrator;
}

bool COstrelTask::StartRecording()
{
    if (!m_administrator) {
        m_administrator = CreateAdministrator();
        if (m_administrator) {
            m_administrator->AddListener(this);
            m_administrator->SetVideoWindow(m_videoWindow);
        }
    }
    if (!m_administrator) return CDxRecordingTask::StartRecording();
    if (m_document) {
        COstrelRecordingAdministrator2* administrator = GetOstrelAdministrator();
        administrator->SetMediaOutput(m_document->GetMediaOutput());
        administrator->SetSaveFile(m_document->GetFilePath());
        administrator->SetFtpInterval(m_document->GetTimedAction());
        administrator->SetFtpInfo(m_document->GetFtp());
    }
    return CPreviewRecordingTask::StartRecording();
}

void COstrelTask::SetVolume(bool automatic, unsigned char volume)
{
    if (GetOstrelAdministrator()) GetOstrelAdministrator()->SetVolume(automatic, volume);
}

bool COstrelTask::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CNamedObject::kNameChangedNotice:
    case CVideoRecorder3d2::kLeftOnChangedNotice:
    case CVideoRecorder3d2::kRightOnChangedNotice:
    case CVideoRecorder2::kSizeChangedNotice:
    case CVideoRecorder2::kFrameRateChangedNotice:
        CheckVideo();
        return true;
    case CVideoRecorder2::kTimeStampChangedNotice:
        if (GetOstrelAdministrator()) GetOstrelAdministrator()->RefreshTimeStamp();
        return true;
    default:
        return CPreviewRecordingTask::Respond(code, sender, a, b);
    }
}
