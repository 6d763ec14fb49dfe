#pragma once
// Decodes the coded audio streams of the file source to 16-bit PCM at the stream's
// own rate and channel count.
#include "dshow/StreamDecoder.h"

#include <memory>

class CAudioConverter;

extern const CLSID CLSID_AudioDecoder;

class CAudioDecoder : public CStreamDecoder {
public:
    static HRESULT Create(REFIID iid, void** object);
    explicit CAudioDecoder(REFCLSID clsid = CLSID_AudioDecoder, const int* codecs = nullptr);
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CAudioDecoder() override;
    HRESULT OnOpened(const AM_MEDIA_TYPE& input) override;
    void OnRestart() override;
    HRESULT OnFrame(AVFrame& frame) override;
    HRESULT OnDrained() override;
    void OnClosed() override;

private:
    bool OpenConverter();

    std::unique_ptr<CAudioConverter> m_converter;
    REFERENCE_TIME m_next = 0; // time of the next PCM sample handed on
    bool m_timeKnown = false;
};

