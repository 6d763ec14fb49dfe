#include "CImageUploadController.h"

#include "CImageUpload.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CStatic.h"

CImageUploadController::CImageUploadController()
{
    mExpectedType = FourCharCode("vop2");
}

CImageUpload* CImageUploadController::GetUpload() const
{
    return static_cast<CImageUpload*>(GetObjectA());
}

void CImageUploadController::SetControls(CButton* upload, CStatic* status)
{
    m_upload = upload;
    m_status = status;
}

void CImageUploadController::ReflectUpload()
{
    if (GetUpload() && m_upload) m_upload->SetWindowText(GetUpload()->GetUploading() ? "Stop" : "Start");
}

void CImageUploadController::ReflectStatus()
{
    if (!GetUpload() || !m_status) return;
    m_status->SetWindowText(GetUpload()->GetStatus());
}

void CImageUploadController::EnterUpload()
{
    CImageUpload* upload = GetUpload();
    if (!upload || !m_upload) return;
    if (!upload->SetUploading(!upload->GetUploading())) ReflectUpload();
}

void CImageUploadController::Refresh()
{
    ReflectUpload();
    ReflectStatus();
}

bool CImageUploadController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CImageUpload::kUploadingChangedNotice: ReflectUpload(); return true;
    case CImageUpload::kStatusChangedNotice: ReflectStatus(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}
