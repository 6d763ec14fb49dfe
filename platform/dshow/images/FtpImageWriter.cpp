#include "dshow/images/FtpImageWriter.h"

#include "dshow/BasePin.h"
#include "dshow/images/ImageIds.h"
#include "dshow/images/ImageKinds.h"

HRESULT CFtpImageWriter::Create(REFIID iid, void** object) { return CreateComObject<CFtpImageWriter>(iid, object); }

CFtpImageWriter::CFtpImageWriter() : CSinkFilter(CLSID_FtpImageWriter) { AddPin(PINDIR_INPUT, u"In"); }

CFtpImageWriter::~CFtpImageWriter() { StopUploading(); }

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

HRESULT CFtpImageWriter::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    StopUploading();
    {
        std::lock_guard lock(m_uploadLock);
        if (!m_write) return VFW_E_WRONG_STATE;
    }
    m_quit = false;
    m_thread = std::thread([this] { Upload(); });
    return S_OK;
}

HRESULT CFtpImageWriter::OnStop()
{
    StopUploading();
    return CSinkFilter::OnStop();
}

void CFtpImageWriter::StopUploading()
{
    {
        std::lock_guard lock(m_imageLock);
        m_quit = true;
        m_waiting = false;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) m_thread.join();
}

HRESULT CFtpImageWriter::Receive(CBasePin*, const MediaSample& sample)
{
    if (!sample.data || sample.size <= 0) return S_OK;
    {
        std::lock_guard lock(m_imageLock);
        if (m_quit) return VFW_E_WRONG_STATE;
        m_image.assign(sample.data, sample.data + sample.size);
        m_waiting = true;
    }
    m_changed.notify_all();
    return S_OK;
}

HRESULT CFtpImageWriter::OnAllEnded()
{
    std::unique_lock lock(m_imageLock);
    m_changed.wait(lock, [this] { return m_quit || (!m_waiting && !m_sending); });
    return S_OK;
}

void CFtpImageWriter::Upload()
{
    std::vector<uint8_t> image;
    std::unique_lock lock(m_imageLock);
    for (;;) {
        m_changed.wait(lock, [this] { return m_quit || m_waiting; });
        if (m_quit) break;
        image.swap(m_image);
        m_waiting = false;
        m_sending = true;
        lock.unlock();
        {
            std::lock_guard upload(m_uploadLock);
            if (m_write) m_write(m_uploader, image.data(), int(image.size()));
        }
        lock.lock();
        m_sending = false;
        m_changed.notify_all();
    }
}
