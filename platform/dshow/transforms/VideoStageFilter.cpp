#include "dshow/transforms/VideoStageFilter.h"

#include "dshow/BasePin.h"
#include "dshow/PictureConverter.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/VideoScaling.h"

#include <cstdlib>

CVideoStageFilter::CVideoStageFilter(REFCLSID clsid, const char16_t* input, const char16_t* output)
    : CBaseFilter(clsid), m_converter(std::make_unique<CPictureConverter>())
{
    AddPin(PINDIR_INPUT, input);
    AddPin(PINDIR_OUTPUT, output);
}

CVideoStageFilter::~CVideoStageFilter() = default;

const VIDEOINFOHEADER* CVideoStageFilter::InfoOf(const AM_MEDIA_TYPE& type) const
{
    return m_anyPicture ? PictureVideoInfo(type) : RgbVideoInfo(type);
}

const VIDEOINFOHEADER* CVideoStageFilter::InputInfo() const { return InfoOf(Input()->MediaType()); }
const VIDEOINFOHEADER* CVideoStageFilter::OutputInfo() const { return InfoOf(Output()->MediaType()); }

HRESULT CVideoStageFilter::OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type)
{
    if (index == 0) {
        type = Input()->MediaType();
        return S_OK;
    }
    const BITMAPINFOHEADER& h = input.bmiHeader;
    if (index != 1 || !m_anyPicture || IsRgbPixelFormat(PixelFormatOfHeader(h))) return S_FALSE;
    MakeRgbVideoType(type, MEDIASUBTYPE_RGB32, h.biWidth, std::abs(h.biHeight), input.AvgTimePerFrame);
    return type.pbFormat ? S_OK : E_OUTOFMEMORY;
}

HRESULT CVideoStageFilter::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    const VIDEOINFOHEADER* b = InfoOf(type);
    if (!b) return VFW_E_TYPE_NOT_ACCEPTED;
    if (pin == Input()) return S_OK;
    for (int i = 0;; ++i) {
        CMediaType own;
        if (GetMediaType(pin, i, own) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
        const VIDEOINFOHEADER* a = InfoOf(own);
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

HRESULT CVideoStageFilter::Deliver(const MediaSample& sample)
{
    HRESULT hr = Output()->Deliver(sample);
    return hr == VFW_E_NOT_CONNECTED ? S_OK : hr;
}

HRESULT CVideoStageFilter::Pass(const MediaSample& sample)
{
    const VIDEOINFOHEADER* in = InputInfo();
    const VIDEOINFOHEADER* out = OutputInfo();
    if (!m_anyPicture || !in || !out || Output()->MediaType().subtype == Input()->MediaType().subtype)
        return Deliver(sample);
    m_converted.resize(PictureSize(out->bmiHeader));
    PicturePlanes from;
    PicturePlanes to;
    if (sample.size < 0 || !PlanesOf(in->bmiHeader, sample.data, size_t(sample.size), from)
        || !PlanesOf(out->bmiHeader, m_converted.data(), m_converted.size(), to) || !m_converter->Convert(from, to))
        return E_FAIL;
    MediaSample converted = sample;
    converted.data = m_converted.data();
    converted.size = LONG(m_converted.size());
    return Deliver(converted);
}

HRESULT CVideoStageFilter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_streamLock);
    const VIDEOINFOHEADER* input = InputInfo();
    if (!input) return VFW_E_NOT_CONNECTED;
    // The stages read and write every row the header gives, whatever its image size says.
    const size_t needed = m_anyPicture ? PictureSize(input->bmiHeader) : PictureBytes(*input);
    if (sample.size < 0 || size_t(sample.size) < needed) return VFW_E_INVALIDMEDIATYPE;
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
