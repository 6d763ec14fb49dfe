#pragma once
// Converts PCM to another rate, channel count or sample size. Its output offers the
// input's own format first, then the usual rates in stereo and mono, 16, 8, 24 and 32 bits;
// the type the output is connected with is what it makes. Serves as the audio
// resampler and the audio rechanneler.
#include "dshow/BaseFilter.h"

#include <memory>

class CAudioConverter;

class CPcmConverterFilter : public CBaseFilter {
public:
    template <const CLSID& Clsid>
    static HRESULT Create(REFIID iid, void** object)
    {
        return CreateComObject<CPcmConverterFilter>(iid, object, Clsid);
    }
    // The installed "PCM" compressor: the same conversion, its pins named "Input" and "Output".
    static HRESULT CreateCompressor(REFIID iid, void** object);
    explicit CPcmConverterFilter(REFCLSID clsid, const char16_t* input = u"Audio In", const char16_t* output = u"Audio Out");

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    ~CPcmConverterFilter() override;
    HRESULT OnPause() override;

private:
    std::unique_ptr<CAudioConverter> m_converter;
    std::mutex m_streamLock;
    REFERENCE_TIME m_next = 0;
    bool m_timeKnown = false;
    int m_inFrameBytes = 0;
    int m_outBytesPerSample = 0;
};

extern const CLSID CLSID_AudioResampler;
extern const CLSID CLSID_AudioRechanneler;
