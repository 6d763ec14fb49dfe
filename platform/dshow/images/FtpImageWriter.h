#pragma once
// Hands each image it takes to the uploader it was given; nothing is written locally.
// The uploader decides which images go (its interval) and reports its own failures, so
// a failed upload does not stop the stream.
#include "dshow/SinkFilter.h"
#include "dshow/images/ImageInterfaces.h"

#include <mutex>

class CFtpImageWriter : public CSinkFilter, public IFtpImageWriter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CFtpImageWriter();
    MV_FILTER_UNKNOWN

    HRESULT SetUploader(CFtpUploader* uploader, FtpWriteCallback write) override;
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    void* FindInterface(REFIID iid) override;

private:
    std::mutex m_uploadLock; // held across an upload, so the uploader is not taken away meanwhile
    CFtpUploader* m_uploader = nullptr;
    FtpWriteCallback m_write = nullptr;
};
