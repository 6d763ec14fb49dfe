#pragma once
// Decodes the coded video streams of the file source to pictures of the stream's own
// size: in the decoder's own format where the next filter takes it, else bottom-up RGB32.
#include "dshow/StreamDecoder.h"

#include <memory>
#include <vector>

class CPictureConverter;

extern const CLSID CLSID_VideoDecoder;

class CVideoDecoder : public CStreamDecoder {
public:
    static HRESULT Create(REFIID iid, void** object);
    explicit CVideoDecoder(REFCLSID clsid = CLSID_VideoDecoder, const int* codecs = nullptr);
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CVideoDecoder() override;
    HRESULT OnOpened(const AM_MEDIA_TYPE& input) override;
    void OnRestart() override { m_next = 0; }
    HRESULT OnFrame(AVFrame& frame) override;
    void OnClosed() override;

private:
    std::unique_ptr<CPictureConverter> m_converter;
    std::vector<uint8_t> m_picture;
    LONG m_width = 0;
    LONG m_height = 0;
    int m_ownFormat = -1; // the pixel format the stream decodes to, when a subtype names it
    REFERENCE_TIME m_frameTime = 0;
    REFERENCE_TIME m_next = 0;
};
