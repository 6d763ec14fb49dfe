#include "dshow/transforms/ScalerStage.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"

#include <cmath>

namespace {
// Colour formats the output can take (EColorFormat).
constexpr LONG kRgb24 = 103, kArgb32 = 106, kRgb32 = 107;
} // namespace

CScalerStage::CScalerStage(REFCLSID clsid) : CVideoStageFilter(clsid) {}

void* CScalerStage::FindInterface(REFIID iid)
{
    if (iid == IScalerEffects::kIid) return static_cast<IScalerEffects*>(this);
    if (iid == IScalerColorFormat::kIid) return static_cast<IScalerColorFormat*>(this);
    if (iid == IScalerCropMode::kIid) return static_cast<IScalerCropMode*>(this);
    if (iid == IScalerOutputSize::kIid) return static_cast<IScalerOutputSize*>(this);
    if (iid == IScalerCrop::kIid) return static_cast<IScalerCrop*>(this);
    if (iid == IScalerOrientation::kIid) return static_cast<IScalerOrientation*>(this);
    if (iid == IScalerOutputRate::kIid) return static_cast<IScalerOutputRate*>(this);
    return CVideoStageFilter::FindInterface(iid);
}

HRESULT CScalerStage::Store(LONG& field, LONG value, LONG low, LONG high)
{
    if (value < low || value > high) return E_INVALIDARG;
    if (Output()->IsConnected()) return VFW_E_ALREADY_CONNECTED;
    field = value;
    return S_OK;
}

HRESULT CScalerStage::SetGreyScale(BYTE on)
{
    m_settings.grey = on != 0;
    return S_OK;
}

HRESULT CScalerStage::GetGreyScale(BYTE* on)
{
    if (!on) return E_POINTER;
    *on = m_settings.grey;
    return S_OK;
}

HRESULT CScalerStage::SetKeepAspect(BYTE on)
{
    m_settings.keepAspect = on != 0;
    return S_OK;
}

HRESULT CScalerStage::SetColorFormat(LONG format)
{
    if (format != 0 && format != kRgb24 && format != kArgb32 && format != kRgb32) return E_INVALIDARG;
    return Store(m_colorFormat, format, 0, kRgb32);
}

// The crop rectangle alone decides what is cut; the mode is taken for the caller's sake.
HRESULT CScalerStage::SetCropping(BYTE) { return S_OK; }

HRESULT CScalerStage::SetKeepSize(BYTE on)
{
    if (Output()->IsConnected()) return VFW_E_ALREADY_CONNECTED;
    m_keepSize = on != 0;
    return S_OK;
}

HRESULT CScalerStage::SetWidth(LONG width) { return Store(m_width, width, 1, kMaxVideoSide); }
HRESULT CScalerStage::SetHeight(LONG height) { return Store(m_height, height, 1, kMaxVideoSide); }

HRESULT CScalerStage::SetInputAspectFromSource(BYTE on)
{
    m_inAspectFromSource = on != 0;
    return S_OK;
}

HRESULT CScalerStage::SetOutputAspectFromSource(BYTE on)
{
    m_outAspectFromSource = on != 0;
    return S_OK;
}

HRESULT CScalerStage::SetInputAspect(double aspect)
{
    if (!std::isfinite(aspect) || aspect < 0 || aspect > 100) return E_INVALIDARG;
    m_inAspect = aspect;
    return S_OK;
}

HRESULT CScalerStage::SetOutputAspect(double aspect)
{
    if (!std::isfinite(aspect) || aspect < 0 || aspect > 100) return E_INVALIDARG;
    m_outAspect = aspect;
    return S_OK;
}

HRESULT CScalerStage::SetScaling(LONG scaling) { return Store(m_settings.scaling, scaling, 0, 2); }
HRESULT CScalerStage::SetLeft(LONG left) { return Store(m_settings.cropLeft, left, 0, kMaxVideoSide); }
HRESULT CScalerStage::SetTop(LONG top) { return Store(m_settings.cropTop, top, 0, kMaxVideoSide); }
HRESULT CScalerStage::SetCropWidth(LONG width) { return Store(m_settings.cropWidth, width, 0, kMaxVideoSide); }
HRESULT CScalerStage::SetCropHeight(LONG height) { return Store(m_settings.cropHeight, height, 0, kMaxVideoSide); }
// The picture always fills the whole output: placement and frame follow from the size.
HRESULT CScalerStage::SetPlaceLeft(LONG) { return S_OK; }
HRESULT CScalerStage::SetPlaceTop(LONG) { return S_OK; }
HRESULT CScalerStage::SetPlaceWidth(LONG) { return S_OK; }
HRESULT CScalerStage::SetPlaceHeight(LONG) { return S_OK; }
HRESULT CScalerStage::SetFrameWidth(LONG) { return S_OK; }
HRESULT CScalerStage::SetFrameHeight(LONG) { return S_OK; }
HRESULT CScalerStage::SetFlip(LONG flip) { return Store(m_settings.flip, flip, 0, 2); }

HRESULT CScalerStage::GetFlip(LONG* flip)
{
    if (!flip) return E_POINTER;
    *flip = m_settings.flip;
    return S_OK;
}

HRESULT CScalerStage::SetRotation(LONG rotation) { return Store(m_settings.rotation, rotation, 0, 3); }

HRESULT CScalerStage::OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type)
{
    if (index != 0) return S_FALSE;
    const BITMAPINFOHEADER& h = input.bmiHeader;
    LONG width = m_width, height = m_height;
    if (m_keepSize) {
        LONG inHeight = h.biHeight < 0 ? -h.biHeight : h.biHeight;
        width = m_settings.cropWidth > 0 ? std::min(m_settings.cropWidth, h.biWidth) : h.biWidth;
        height = m_settings.cropHeight > 0 ? std::min(m_settings.cropHeight, inHeight) : inHeight;
        if (m_settings.rotation == 1 || m_settings.rotation == 2) std::swap(width, height);
    }
    bool rgb24 = m_colorFormat == kRgb24 || (m_colorFormat == 0 && h.biBitCount == 24);
    MakeRgbVideoType(type, rgb24 ? MEDIASUBTYPE_RGB24 : MEDIASUBTYPE_RGB32, width, height, input.AvgTimePerFrame);
    return type.pbFormat ? S_OK : E_OUTOFMEMORY;
}

HRESULT CScalerStage::Picture(const MediaSample& sample)
{
    const VIDEOINFOHEADER* in = InputInfo();
    const VIDEOINFOHEADER* out = OutputInfo();
    if (!in || !out) return VFW_E_NOT_CONNECTED;
    m_picture.resize(out->bmiHeader.biSizeImage);
    VideoScaleSettings settings = m_settings;
    settings.inAspect = m_inAspectFromSource ? 0 : m_inAspect;
    settings.outAspect = m_outAspectFromSource ? 0 : m_outAspect;
    if (!DShowVideoScaleRoutine()(settings, PictureOf(*in, const_cast<BYTE*>(sample.data)),
                                     PictureOf(*out, m_picture.data())))
        return E_FAIL;
    MediaSample result = sample;
    result.data = m_picture.data();
    result.size = LONG(m_picture.size());
    return Pass(result);
}
