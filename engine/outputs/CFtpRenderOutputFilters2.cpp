#include "CFtpRenderOutputFilters2.h"

#include "CFilterPin.h"
#include "CImageUploadFilter.h"
#include "ReleaseFilter.h"

CFtpRenderOutputFilters2::CFtpRenderOutputFilters2(CDirectShowGraph* graph) : CRenderOutputFilters2(graph) {}

CFtpRenderOutputFilters2::~CFtpRenderOutputFilters2()
{
    CFtpRenderOutputFilters2::Release();
}

void CFtpRenderOutputFilters2::Release()
{
    CRenderOutputFilters2::Release();
    ReleaseImageUpload();
}

bool CFtpRenderOutputFilters2::ConnectAfterSnapShot(CFilterPin*& pin)
{
    if (!m_wantsFtp) return true;
    if (!ConnectImageUpload(pin)) return false;
    pin = m_upload->GetOutputPin();
    return true;
}

bool CFtpRenderOutputFilters2::CreateImageUpload()
{
    if (!m_upload) {
        m_upload = new CImageUploadFilter(m_graph, "Image Upload");
        m_upload->SetServer(m_server);
        m_upload->SetPath(m_path);
        m_upload->SetUserName(m_userName);
        m_upload->SetPassword(m_password);
        m_upload->SetPort(m_port);
        m_upload->SetPassive(m_passive);
        m_upload->SetImageType(m_imageType);
        m_upload->SetQuality(m_quality);
    }
    if (!m_upload->Create()) {
        ReleaseImageUpload();
        return false;
    }
    m_upload->SetUploading(m_uploading);
    return true;
}

bool CFtpRenderOutputFilters2::ConnectImageUpload(CFilterPin* pin)
{
    return CreateImageUpload() && m_upload->GetInputPin()->Connect(pin, nullptr);
}

void CFtpRenderOutputFilters2::ReleaseImageUpload()
{
    if (m_upload) m_upload->SetUploading(false);
    ReleaseFilter(m_upload);
}
