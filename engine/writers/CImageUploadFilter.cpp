#include "CImageUploadFilter.h"

#include "CFtpImageHandler.h"
#include "CImageUploadSource.h"
#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "RequiredInterface.h"

CImageUploadFilter::CImageUploadFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, "Video In", "Video Out")
{
    SetId(CLSID_ImageUploadStage);
    SetOwnComponent(true);
}

CImageUploadFilter::~CImageUploadFilter()
{
    CImageUploadFilter::Release();
}

CFtpImageHandler& CImageUploadFilter::Handler()
{
    if (!m_handler) m_handler = std::make_unique<CFtpImageHandler>();
    return *m_handler;
}

IVideoPostback* CImageUploadFilter::GetImageSource() const
{
    return m_source.get();
}

bool CImageUploadFilter::Create()
{
    if (GetFilter()) return true;
    if (!CreateRequiring(*this, m_frames)) return false;
    m_source = std::make_unique<CImageUploadSource>(m_frames);
    Handler().SetPostback(m_source.get());
    return true;
}

void CImageUploadFilter::Release()
{
    // The handler lets go of the source before the source goes.
    if (m_handler && m_source) m_handler->SetPostback(nullptr);
    m_source.reset();
    SafeRelease(m_frames);
    CTransformerFilter::Release();
}

void CImageUploadFilter::SetServer(const char* server)
{
    Handler().SetServer(server);
}

void CImageUploadFilter::SetPath(const char* path)
{
    Handler().SetPath(path);
}

void CImageUploadFilter::SetUserName(const char* name)
{
    Handler().SetUserName(name);
}

void CImageUploadFilter::SetPassword(const char* password)
{
    Handler().SetPassword(password);
}

void CImageUploadFilter::SetPort(int port)
{
    Handler().SetPort(static_cast<unsigned short>(port));
}

void CImageUploadFilter::SetPassive(bool passive)
{
    Handler().SetPassive(passive);
}

void CImageUploadFilter::SetImageType(EImageType type)
{
    Handler().SetImageType(type);
}

void CImageUploadFilter::SetQuality(unsigned char quality)
{
    Handler().SetQuality(quality);
}

void CImageUploadFilter::SetUploading(bool uploading)
{
    if (uploading)
        Handler().Start();
    else if (m_handler)
        m_handler->Stop();
}
