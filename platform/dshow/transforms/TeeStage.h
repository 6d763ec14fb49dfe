#pragma once
// A tee: what comes in on "Input" goes on, the same, to "Capture" and to "Preview"
// (either may be left unconnected). The stream ends on both.
#include "dshow/BaseFilter.h"

class CTeeStage : public CBaseFilter {
public:
    template <const CLSID& Clsid>
    static HRESULT Create(REFIID iid, void** object)
    {
        return CreateComObject<CTeeStage>(iid, object, Clsid);
    }
    explicit CTeeStage(REFCLSID clsid);

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;
};
