#include "CFtpImageHandler.h"

#include "CMvSingleLock.h"

#include <cstdint>

CPointerList CFtpImageHandler::sHandlers;
CMvCriticalSection CFtpImageHandler::sHandlerSafe;

CFtpImageHandler::CFtpImageHandler() { Register(); }

CFtpImageHandler::CFtpImageHandler(const CFtpImageHandler& other)
    : CFtpUploader(other), IVideoPostbackHandler(), m_imageType(other.m_imageType), m_quality(other.m_quality)
{
    Register();
}

CFtpImageHandler& CFtpImageHandler::operator=(const CFtpImageHandler& other)
{
    if (this == &other) return *this;
    CFtpUploader::operator=(other);
    m_imageType = other.m_imageType;
    m_quality = other.m_quality;
    return *this;
}

void CFtpImageHandler::Register()
{
    CMvSingleLock lock(sHandlerSafe, true);
    sHandlers.Add(this);
}

CFtpImageHandler::~CFtpImageHandler()
{
    // An upload of this handler in progress on the upload thread ends now, not when the server answers.
    Abort();
    {
        CMvSingleLock lock(sHandlerSafe, true);
        sHandlers.Remove(this);
    }
    // The source must not call a handler that is gone.
    SetPostback(nullptr);
}

void CFtpImageHandler::Start()
{
    Resume();
    m_uploading = true;
}

void CFtpImageHandler::Stop()
{
    m_uploading = false;
    Abort();
}

bool CFtpImageHandler::HasImage()
{
    CMvSingleLock lock(m_imageSafe, true);
    return m_raw.GetSize() > 0;
}

bool CFtpImageHandler::CheckEncodeInterval() { return CFtpUploader::CheckWriteInterval(); }

bool CFtpImageHandler::HandleImage()
{
    if (!CheckEncodeInterval()) return false;
    bool result = true;
    {
        CMvSingleLock lock(m_imageSafe, true);
        if (m_raw.GetSize() > 0) result = EncodeImage();
    }
    if (result) return UploadImage();
    return result;
}

bool CFtpImageHandler::EncodeImage()
{
    if (!m_source) return false;
    CMvSingleLock lock(m_imageSafe, true);
    m_encoded.Clear();
    m_source->EncodeImage(m_raw.GetBuffer(), m_raw.GetSize(), m_raw.GetColor(), m_raw.GetTopDown(),
                          m_raw.GetImageWidth(), m_raw.GetImageHeight(), m_raw.GetBufferWidth(),
                          m_raw.GetBufferHeight(), m_imageType, m_quality, m_raw.GetImageWidth(),
                          m_raw.GetImageHeight(), &m_encoded);
    return m_encoded.GetSize() > 0;
}

bool CFtpImageHandler::UploadImage()
{
    CMvSingleLock lock(m_imageSafe, true);
    if (m_encoded.GetSize() == 0) return false;
    const bool written = WriteData(m_encoded.GetBuffer(), m_encoded.GetSize());
    m_encoded.Clear();
    return written;
}

void CFtpImageHandler::SetPostback(IVideoPostback* source)
{
    if (source == m_source) return;
    if (m_source) m_source->SetPostbackHandler(nullptr);
    m_source = source;
    if (m_source) m_source->SetPostbackHandler(this);
}

HRESULT CFtpImageHandler::QueryInterface(REFIID iid, void** object)
{
    if (!object) return E_POINTER;
    if (iid == IUnknown::kIid || iid == IVideoPostbackHandler::kIid) {
        *object = static_cast<IVideoPostbackHandler*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT CFtpImageHandler::ProcessImage(const unsigned char* data, unsigned long length, EColorFormat colour,
                                       bool topDown, unsigned short imageWidth, unsigned short imageHeight,
                                       unsigned short bufferWidth, unsigned short bufferHeight)
{
    CMvSingleLock lock(m_imageSafe, true);
    m_raw.Clear();
    m_raw.SetColor(colour);
    m_raw.SetTopDown(topDown);
    m_raw.SetImageWidth(imageWidth);
    m_raw.SetImageHeight(imageHeight);
    m_raw.SetBufferWidth(bufferWidth);
    m_raw.SetBufferHeight(bufferHeight);
    // A frame that cannot be held is dropped rather than cut short.
    if (data && length > 0 && length <= UINT32_MAX && !m_raw.Append(data, static_cast<uint32_t>(length))) m_raw.Clear();
    return S_OK;
}
