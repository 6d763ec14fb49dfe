#pragma once
// Hands the images it takes to the uploader it was given; nothing is written locally.
// Uploads run on a thread of the filter's own, so a slow server never holds up the stream:
// an image that arrives while one is being sent replaces any other still waiting. The
// uploader decides which images go (its interval) and reports its own failures, so a failed
// upload does not stop the stream. The stream's end waits for the last image to be handed over.
#include "dshow/SinkFilter.h"
#include "dshow/images/ImageInterfaces.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

class CFtpImageWriter : public CSinkFilter, public IFtpImageWriter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CFtpImageWriter();
    MV_FILTER_UNKNOWN

    HRESULT SetUploader(CFtpUploader* uploader, FtpWriteCallback write) override;
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;

protected:
    ~CFtpImageWriter() override;
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;
    HRESULT OnAllEnded() override;

private:
    void Upload();
    void StopUploading();

    std::mutex m_uploadLock; // held across an upload, so the uploader is not taken away meanwhile
    CFtpUploader* m_uploader = nullptr;
    FtpWriteCallback m_write = nullptr;

    std::mutex m_imageLock;
    std::condition_variable m_changed;
    std::vector<uint8_t> m_image;
    bool m_waiting = false; // an image is waiting to go
    bool m_sending = false;
    bool m_quit = false;
    std::thread m_thread;
};
