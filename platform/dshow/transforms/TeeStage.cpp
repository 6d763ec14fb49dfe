#include "dshow/transforms/TeeStage.h"

#include "dshow/BasePin.h"

CTeeStage::CTeeStage(REFCLSID clsid) : CBaseFilter(clsid)
{
    AddPin(PINDIR_INPUT, u"Input");
    AddPin(PINDIR_OUTPUT, u"Capture");
    AddPin(PINDIR_OUTPUT, u"Preview");
}

HRESULT CTeeStage::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (type.majortype == GUID{}) return VFW_E_TYPE_NOT_ACCEPTED;
    if (pin->Direction() == PINDIR_INPUT) return S_OK;
    return PinAt(0)->IsConnected() ? CheckOfferedType(pin, type) : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CTeeStage::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !PinAt(0)->IsConnected()) return S_FALSE;
    type = PinAt(0)->MediaType();
    return S_OK;
}

HRESULT CTeeStage::Receive(CBasePin*, const MediaSample& sample)
{
    HRESULT result = S_OK;
    for (size_t i = 1; i < PinCount(); ++i) {
        HRESULT hr = PinAt(i)->Deliver(sample);
        if (hr != S_OK && hr != VFW_E_NOT_CONNECTED && result == S_OK) result = hr;
    }
    return result;
}

HRESULT CTeeStage::EndOfStream(CBasePin*)
{
    for (size_t i = 1; i < PinCount(); ++i)
        if (PinAt(i)->IsConnected()) PinAt(i)->DeliverEndOfStream();
    return S_OK;
}
