#include "dshow/images/FtpImageWriter.h"

#include "dshow/BasePin.h"
#include "dshow/images/ImageIds.h"
#include "dshow/images/ImageKinds.h"

HRESULT CFtpImageWriter::Create(REFIID iid, void** object) { return CreateComObject<CFtpImageWriter>(iid, object); }

CFtpImageWriter::CFtpImageWriter() : CSinkFilter(CLSID_FtpImageWriter) { AddPin(PINDIR_INPUT, u"In"); }

void* CFtpImageWriter::FindInterface(REFIID iid)
{
    if (iid == IFtpImageWriter::kIid) return static_cast<IFtpImageWriter*>(this);
    return nullptr;
}

HRESULT CFtpImageWriter::SetUploader(CFtpUploader* uploader, FtpWriteCallback write)
{
    if (uploader && !write) return E_POINTER;
    std::lock_guard lock(m_uploadLock);
    m_uploader = uploader;
    m_write = uploader ? write : nullptr;
    return S_OK;
}

HRESULT CFtpImageWriter::CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type)
{
    return ReadImageType(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CFtpImageWriter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_uploadLock);
    if (!m_write) return VFW_E_WRONG_STATE;
    if (sample.data && sample.size > 0) m_write(m_uploader, sample.data, int(sample.size));
    return S_OK;
}
