#pragma once
// Decodes the coded audio streams of the file source to PCM at the stream's own rate and
// channel count: 16 bits, or 24 or 32 where the stream holds integer samples that deep
// (24-bit FLAC, ALAC or AIFF), so lossless sound keeps its depth.
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
    int OutBits() const;

    std::unique_ptr<CAudioConverter> m_converter;
    REFERENCE_TIME m_next = 0; // time of the next PCM sample handed on
    bool m_timeKnown = false;
    int m_bits = 16; // depth handed on, decided when the stream opens
};

