#pragma once
// "Scaler" / "Color Converter": crops, scales, flips, turns and greys pictures into the
// size and colour format set through its seven settings interfaces, before its output
// is connected. The picture work is the routine of VideoScaling.h.
#include "dshow/interfaces/ScalerInterfaces.h"
#include "dshow/transforms/VideoScaling.h"
#include "dshow/transforms/VideoStageFilter.h"

#include <vector>

class CScalerStage : public CVideoStageFilter,
                     public IScalerEffects,
                     public IScalerColorFormat,
                     public IScalerCropMode,
                     public IScalerOutputSize,
                     public IScalerCrop,
                     public IScalerOrientation,
                     public IScalerOutputRate {
public:
    template <const CLSID& Clsid>
    static HRESULT Create(REFIID iid, void** object)
    {
        return CreateComObject<CScalerStage>(iid, object, Clsid);
    }
    explicit CScalerStage(REFCLSID clsid);
    MV_FILTER_UNKNOWN

    HRESULT SetGreyScale(BYTE on) override;
    HRESULT GetGreyScale(BYTE* on) override;
    HRESULT SetKeepAspect(BYTE on) override;
    HRESULT SetColorFormat(LONG format) override;
    HRESULT SetCropping(BYTE on) override;
    HRESULT SetKeepSize(BYTE on) override;
    HRESULT SetWidth(LONG width) override;
    HRESULT SetHeight(LONG height) override;
    HRESULT SetInputAspectFromSource(BYTE on) override;
    HRESULT SetOutputAspectFromSource(BYTE on) override;
    HRESULT SetInputAspect(double aspect) override;
    HRESULT SetOutputAspect(double aspect) override;
    HRESULT SetScaling(LONG scaling) override;
    HRESULT SetLeft(LONG left) override;
    HRESULT SetTop(LONG top) override;
    HRESULT SetCropWidth(LONG width) override;
    HRESULT SetCropHeight(LONG height) override;
    HRESULT SetPlaceLeft(LONG left) override;
    HRESULT SetPlaceTop(LONG top) override;
    HRESULT SetPlaceWidth(LONG width) override;
    HRESULT SetPlaceHeight(LONG height) override;
    HRESULT SetFrameWidth(LONG width) override;
    HRESULT SetFrameHeight(LONG height) override;
    HRESULT SetFlip(LONG flip) override;
    HRESULT GetFlip(LONG* flip) override;
    HRESULT SetRotation(LONG rotation) override;

protected:
    void* FindInterface(REFIID iid) override;
    HRESULT OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type) override;
    HRESULT Picture(const MediaSample& sample) override;

private:
    HRESULT Store(LONG& field, LONG value, LONG low, LONG high);

    VideoScaleSettings m_settings;
    LONG m_colorFormat = 0;
    bool m_keepSize = false;
    LONG m_width = 320;
    LONG m_height = 240;
    bool m_inAspectFromSource = true;
    bool m_outAspectFromSource = true;
    double m_inAspect = 0;
    double m_outAspect = 0;
    std::vector<BYTE> m_picture;
};
