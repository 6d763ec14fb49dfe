#pragma once
// A stage with one input and one output that hands on the input's own type: the base of
// the time and buffer stages. Pins are "Input" and "Output".
#include "dshow/BaseFilter.h"

struct WAVEFORMATEX;

class CPassThroughFilter : public CBaseFilter {
public:
    explicit CPassThroughFilter(REFCLSID clsid);

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    HRESULT OnPause() override;
    // One sample on its way; the stage changes it, drops it or hands it on with Pass.
    virtual HRESULT Transform(const MediaSample& sample) { return Pass(sample); }
    // A new stream starts (the graph leaves the stopped state).
    virtual void OnStreamStart() {}
    HRESULT Pass(const MediaSample& sample);
    CBasePin* Input() const { return PinAt(0); }
    CBasePin* Output() const { return PinAt(1); }
    // The input's PCM format, or null for any other type.
    const WAVEFORMATEX* PcmInput() const;

    std::mutex m_streamLock;
};
