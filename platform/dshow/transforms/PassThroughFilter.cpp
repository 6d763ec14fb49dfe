#include "dshow/transforms/PassThroughFilter.h"

#include "dshow/BasePin.h"

CPassThroughFilter::CPassThroughFilter(REFCLSID clsid) : CBaseFilter(clsid)
{
    AddPin(PINDIR_INPUT, u"Input");
    AddPin(PINDIR_OUTPUT, u"Output");
}

HRESULT CPassThroughFilter::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (type.majortype == GUID{}) return VFW_E_TYPE_NOT_ACCEPTED;
    if (pin == Input()) return S_OK;
    // The output makes exactly what comes in.
    return Input()->IsConnected() ? CheckOfferedType(pin, type) : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CPassThroughFilter::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin != Output() || index != 0 || !Input()->IsConnected()) return S_FALSE;
    type = Input()->MediaType();
    return S_OK;
}

HRESULT CPassThroughFilter::OnPause()
{
    if (State() == State_Stopped) {
        std::lock_guard lock(m_streamLock);
        OnStreamStart();
    }
    return S_OK;
}

const WAVEFORMATEX* CPassThroughFilter::PcmInput() const { return PcmFormatOf(Input()->MediaType()); }

HRESULT CPassThroughFilter::Pass(const MediaSample& sample)
{
    HRESULT hr = Output()->Deliver(sample);
    return hr == VFW_E_NOT_CONNECTED ? S_OK : hr;
}

HRESULT CPassThroughFilter::Receive(CBasePin*, const MediaSample& sample)
{
    std::lock_guard lock(m_streamLock);
    return Transform(sample);
}

HRESULT CPassThroughFilter::EndOfStream(CBasePin*)
{
    return Output()->IsConnected() ? Output()->DeliverEndOfStream() : S_OK;
}
