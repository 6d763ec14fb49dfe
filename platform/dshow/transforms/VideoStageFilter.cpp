#include "dshow/transforms/VideoStageFilter.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/VideoScaling.h"

CVideoStageFilter::CVideoStageFilter(REFCLSID clsid, const char16_t* input, const char16_t* output) : CBaseFilter(clsid)
{
    AddPin(PINDIR_INPUT, input);
    AddPin(PINDIR_OUTPUT, output);
}

const VIDEOINFOHEADER* CVideoStageFilter::InputInfo() const { return RgbVideoInfo(Input()->MediaType()); }
const VIDEOINFOHEADER* CVideoStageFilter::OutputInfo() const { return RgbVideoInfo(Output()->MediaType()); }

HRESULT CVideoStageFilter::OutputType(const VIDEOINFOHEADER&, int index, CMediaType& type)
{
    if (index != 0) return S_FALSE;
    type = Input()->MediaType();
    return S_OK;
}

HRESULT CVideoStageFilter::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (!RgbVideoInfo(type)) return VFW_E_TYPE_NOT_ACCEPTED;
    if (pin == Input()) return S_OK;
    for (int i = 0;; ++i) {
        CMediaType own;
        if (GetMediaType(pin, i, own) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
        const VIDEOINFOHEADER* a = RgbVideoInfo(own);
        const VIDEOINFOHEADER* b = RgbVideoInfo(type);
        if (a && type.subtype == own.subtype && a->bmiHeader.biWidth == b->bmiHeader.biWidth
            && a->bmiHeader.biHeight == b->bmiHeader.biHeight)
            return S_OK;
    }
}

HRESULT CVideoStageFilter::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    const VIDEOINFOHEADER* input = InputInfo();
    if (pin != Output() || !input || index < 0) return S_FALSE;
    return OutputType(*input, index, type);
}

HRESULT CVideoStageFilter::OnPause()
{
    if (State() == State_Stopped) {
        std::lock_guard lock(m_streamLock);
        OnStreamStart();
    }
    return S_OK;
}

HRESULT CVideoStageFilter::Pass(const MediaSample& sample)
{
    HRESULT hr = Output()->Deliver(sample);
    return hr == VFW_E_NOT_CONNECTED ? S_OK : hr;
}

HRESULT CVideoStageFilter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_streamLock);
    const VIDEOINFOHEADER* input = InputInfo();
    if (!input) return VFW_E_NOT_CONNECTED;
    // The stages read and write every row the header gives, whatever its image size says.
    if (sample.size < 0 || size_t(sample.size) < PictureBytes(*input)) return VFW_E_INVALIDMEDIATYPE;
    return Picture(sample);
}

HRESULT CVideoStageFilter::EndOfStream(CBasePin*)
{
    HRESULT hr;
    {
        std::lock_guard lock(m_streamLock);
        hr = Drain();
    }
    if (FAILED(hr)) NotifyEvent(EC_ERRORABORT, hr, 0);
    return Output()->IsConnected() ? Output()->DeliverEndOfStream() : S_OK;
}
