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

const VIDEOINFOHEADER* CVideoStageFilter::InputInfo() const
{
    if (m_anyPicture) return PictureVideoInfo(Input()->MediaType());
    if (const VIDEOINFOHEADER* rgb = RgbVideoInfo(Input()->MediaType())) return rgb;
    return Input()->IsConnected() ? RgbVideoInfo(m_rgbInput) : nullptr;
}

const VIDEOINFOHEADER* CVideoStageFilter::OutputInfo() const
{
    return m_anyPicture ? PictureVideoInfo(Output()->MediaType()) : RgbVideoInfo(Output()->MediaType());
}

HRESULT CVideoStageFilter::CompleteConnect(CBasePin* pin, IPin*)
{
    const VIDEOINFOHEADER* info = PictureVideoInfo(pin->MediaType());
    if (pin != Input() || !info || m_anyPicture || RgbVideoInfo(pin->MediaType())) return S_OK;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    MakeRgbVideoType(m_rgbInput, MEDIASUBTYPE_RGB32, h.biWidth, std::abs(h.biHeight), info->AvgTimePerFrame);
    return m_rgbInput.pbFormat ? S_OK : E_OUTOFMEMORY;
}

void CVideoStageFilter::BreakConnect(CBasePin* pin)
{
    if (pin == Input()) m_rgbInput = CMediaType();
}

HRESULT CVideoStageFilter::OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type)
{
    const bool rgbIn = RgbVideoInfo(Input()->MediaType()) != nullptr;
    if (index == 0) {
        type = m_anyPicture || rgbIn ? CMediaType(Input()->MediaType()) : m_rgbInput;
        return S_OK;
    }
    // A stage that keeps YUV also hands RGB32 to a next filter that takes nothing else.
    const BITMAPINFOHEADER& h = input.bmiHeader;
    if (index != 1 || !m_anyPicture || rgbIn) return S_FALSE;
    MakeRgbVideoType(type, MEDIASUBTYPE_RGB32, h.biWidth, std::abs(h.biHeight), input.AvgTimePerFrame);
    return type.pbFormat ? S_OK : E_OUTOFMEMORY;
}

HRESULT CVideoStageFilter::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin == Input()) return PictureVideoInfo(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    const VIDEOINFOHEADER* b = m_anyPicture ? PictureVideoInfo(type) : RgbVideoInfo(type);
    if (!b) return VFW_E_TYPE_NOT_ACCEPTED;
    for (int i = 0;; ++i) {
        CMediaType own;
        if (GetMediaType(pin, i, own) != S_OK) return VFW_E_TYPE_NOT_ACCEPTED;
        const VIDEOINFOHEADER* a = PictureVideoInfo(own);
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

HRESULT CVideoStageFilter::Convert(const VIDEOINFOHEADER& from, const VIDEOINFOHEADER& to, const MediaSample& sample,
                                   MediaSample& converted)
{
    m_converted.resize(PictureSize(to.bmiHeader));
    PicturePlanes in;
    PicturePlanes out;
    if (sample.size < 0 || !PlanesOf(from.bmiHeader, sample.data, size_t(sample.size), in)
        || !PlanesOf(to.bmiHeader, m_converted.data(), m_converted.size(), out) || !m_converter->Convert(in, out))
        return E_FAIL;
    converted = sample;
    converted.data = m_converted.data();
    converted.size = LONG(m_converted.size());
    return S_OK;
}

HRESULT CVideoStageFilter::Pass(const MediaSample& sample)
{
    const VIDEOINFOHEADER* in = InputInfo();
    const VIDEOINFOHEADER* out = OutputInfo();
    if (!m_anyPicture || !in || !out || Output()->MediaType().subtype == Input()->MediaType().subtype)
        return Deliver(sample);
    MediaSample converted;
    const HRESULT hr = Convert(*in, *out, sample, converted);
    return FAILED(hr) ? hr : Deliver(converted);
}

HRESULT CVideoStageFilter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_streamLock);
    const VIDEOINFOHEADER* connected = PictureVideoInfo(Input()->MediaType());
    const VIDEOINFOHEADER* input = InputInfo();
    if (!connected || !input) return VFW_E_NOT_CONNECTED;
    // The stages read and write every row the header gives, whatever its image size says.
    const bool rgb = RgbVideoInfo(Input()->MediaType()) != nullptr;
    const size_t needed = rgb ? PictureBytes(*connected) : PictureSize(connected->bmiHeader);
    if (sample.size < 0 || size_t(sample.size) < needed) return VFW_E_INVALIDMEDIATYPE;
    if (m_anyPicture || rgb) return Picture(sample);
    // A stage that works on the pixels gets the YUV picture as RGB32.
    MediaSample converted;
    const HRESULT hr = Convert(*connected, *input, sample, converted);
    return FAILED(hr) ? hr : Picture(converted);
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
