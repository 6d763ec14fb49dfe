#pragma once
// The image source an FTP image handler takes its frames from, over the "Image Upload"
// filter's picture interface: each picture passing the filter goes to the handler, and the
// handler's frames are encoded by the filter into the handler's buffer.
#include "IVideoPostback.h"
#include "dshow/images/ImageInterfaces.h"

#include <mutex>

class CImageUploadSource : public IVideoPostback, private IImageFrameSink {
public:
    // Holds a reference to the filter's interface until destroyed.
    explicit CImageUploadSource(IImageUploadFrames* frames);
    ~CImageUploadSource();
    CImageUploadSource(const CImageUploadSource&) = delete;
    CImageUploadSource& operator=(const CImageUploadSource&) = delete;

    // Owned by the filter wrapper, not counted.
    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    HRESULT SetPostbackHandler(IVideoPostbackHandler* handler) override;
    HRESULT EncodeImage(const unsigned char* data, unsigned long length, EColorFormat colour, bool topDown,
                        unsigned short imageWidth, unsigned short imageHeight, unsigned short bufferWidth,
                        unsigned short bufferHeight, EImageType type, unsigned char quality,
                        unsigned short targetWidth, unsigned short targetHeight, CHandle* output) override;

private:
    void TakeFrame(const BYTE* data, LONG size, LONG bits, bool topDown, LONG width, LONG height) override;

    IImageUploadFrames* m_frames;
    std::mutex m_handlerLock;
    IVideoPostbackHandler* m_handler = nullptr;
};
