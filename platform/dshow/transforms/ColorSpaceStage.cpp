#include "dshow/transforms/ColorSpaceStage.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/TransformIds.h"

#include <cstdlib>

HRESULT CColorSpaceStage::Create(REFIID iid, void** object) { return CreateComObject<CColorSpaceStage>(iid, object); }

CColorSpaceStage::CColorSpaceStage() : CVideoStageFilter(CLSID_ColorSpaceConverter) { TakeAnyPicture(); }

HRESULT CColorSpaceStage::OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type)
{
    if (index < 0 || index > 1) return S_FALSE;
    const BITMAPINFOHEADER& h = input.bmiHeader;
    const bool rgb = h.biCompression == BI_RGB;
    bool same = index == 0;
    bool rgb24 = (rgb && h.biBitCount == 24) == same;
    // A YUV picture becomes a bottom-up one.
    MakeRgbVideoType(type, rgb24 ? MEDIASUBTYPE_RGB24 : MEDIASUBTYPE_RGB32, h.biWidth,
                     rgb ? h.biHeight : std::abs(h.biHeight), input.AvgTimePerFrame);
    return type.pbFormat ? S_OK : E_OUTOFMEMORY;
}

HRESULT CColorSpaceStage::Picture(const MediaSample& sample) { return Pass(sample); }
