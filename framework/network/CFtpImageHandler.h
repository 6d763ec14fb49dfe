#pragma once
// Uploads the latest frame of an image source as an image file at the write interval.
// Every live handler is served by the FTP upload thread.
#include "CFtpUploader.h"
#include "CHandle.h"
#include "CImageHandle.h"
#include "CPointerList.h"
#include "IVideoPostback.h"

#include <atomic>

class CFtpImageHandler : public CFtpUploader, public IVideoPostbackHandler {
public:
    CFtpImageHandler();
    // A copy has the settings, no source, no frames, and is not uploading.
    CFtpImageHandler(const CFtpImageHandler& other);
    CFtpImageHandler& operator=(const CFtpImageHandler& other);
    ~CFtpImageHandler() override;

    bool CheckWriteInterval() override { return true; }
    virtual void Start();
    virtual void Stop();
    virtual bool HasImage();
    // Encodes the frame and uploads it when the interval has passed (upload thread).
    virtual bool HandleImage();
    virtual bool EncodeImage();
    virtual bool UploadImage();
    virtual bool CheckEncodeInterval();

    void SetPostback(IVideoPostback* source);
    IVideoPostback* GetPostback() const { return m_source; }
    void SetImageType(EImageType type) { m_imageType = type; }
    EImageType GetImageType() const { return m_imageType; }
    void SetQuality(unsigned char quality) { m_quality = quality; }
    unsigned char GetQuality() const { return m_quality; }
    bool IsUploading() const { return m_uploading.load(); }

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT ProcessImage(const unsigned char* data, unsigned long length, EColorFormat colour, bool topDown,
                         unsigned short imageWidth, unsigned short imageHeight, unsigned short bufferWidth,
                         unsigned short bufferHeight) override;

    static CPointerList sHandlers;
    static CMvCriticalSection sHandlerSafe;

protected:
    IVideoPostback* m_source = nullptr;
    EImageType m_imageType = 1002;
    unsigned char m_quality = 50;
    CMvCriticalSection m_imageSafe;
    CImageHandle m_raw;
    CHandle m_encoded;
    std::atomic<bool> m_uploading{false};

private:
    void Register();
};
