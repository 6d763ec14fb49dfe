#include "CFtpUpload3dMixBridge.h"

#include "C3dMixFilter.h"
#include "CImageUploadFilter.h"
#include "CSmartTeeFilter.h"

CFtpUpload3dMixBridge::CFtpUpload3dMixBridge(CDirectShowGraph* graph)
    : C3dMixBridge(graph), m_upload(std::make_unique<CImageUploadFilter>(graph, "Image Upload"))
{
}

CFtpUpload3dMixBridge::~CFtpUpload3dMixBridge()
{
    CFtpUpload3dMixBridge::Release();
}

std::vector<CDirectShowFilter*> CFtpUpload3dMixBridge::Filters()
{
    return {m_upload.get(), m_tee.get(), m_mix.get()};
}

bool CFtpUpload3dMixBridge::CreateImageUpload()
{
    if (m_upload->GetGraph() != m_graph) m_upload->SetGraph(m_graph);
    m_upload->SetServer(m_server);
    m_upload->SetPath(m_path);
    m_upload->SetUserName(m_userName);
    m_upload->SetPassword(m_password);
    m_upload->SetPort(m_port);
    m_upload->SetPassive(m_passive);
    m_upload->SetImageType(m_imageType);
    m_upload->SetQuality(m_quality);
    m_upload->SetUploading(m_uploading);
    return m_upload->Create();
}

bool CFtpUpload3dMixBridge::CreateSelf()
{
    if (CreateImageUpload() && C3dMixBridge::CreateSelf()) return true;
    Release();
    return false;
}

bool CFtpUpload3dMixBridge::Connect()
{
    return Link(m_input->GetVideoPin(kOutputProcessing, 0), m_upload->GetInputPin())
        && Link(m_upload->GetOutputPin(), m_mix->GetInputPin(0))
        && Link(m_input->GetVideoPin(kOutputProcessing, 1), m_mix->GetInputPin(1))
        && Link(m_mix->GetOutputPin(), m_tee->GetInputPin());
}
