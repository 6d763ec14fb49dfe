#include "dshow/transforms/ColorSpaceStage.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/TransformIds.h"

HRESULT CColorSpaceStage::Create(REFIID iid, void** object) { return CreateComObject<CColorSpaceStage>(iid, object); }

CColorSpaceStage::CColorSpaceStage() : CVideoStageFilter(CLSID_ColorSpaceConverter) {}

HRESULT CColorSpaceStage::OutputType(const VIDEOINFOHEADER& input, int index, CMediaType& type)
{
    if (index < 0 || index > 1) return S_FALSE;
    const BITMAPINFOHEADER& h = input.bmiHeader;
    bool same = index == 0;
    bool rgb24 = (h.biBitCount == 24) == same;
    MakeRgbVideoType(type, rgb24 ? MEDIASUBTYPE_RGB24 : MEDIASUBTYPE_RGB32, h.biWidth, h.biHeight,
                     input.AvgTimePerFrame);
    return type.pbFormat ? S_OK : E_OUTOFMEMORY;
}

HRESULT CColorSpaceStage::Picture(const MediaSample& sample)
{
    const VIDEOINFOHEADER* in = InputInfo();
    const VIDEOINFOHEADER* out = OutputInfo();
    if (!in || !out) return VFW_E_NOT_CONNECTED;
    if (in->bmiHeader.biBitCount == out->bmiHeader.biBitCount) return Pass(sample);
    const LONG width = in->bmiHeader.biWidth;
    const LONG height = in->bmiHeader.biHeight < 0 ? -in->bmiHeader.biHeight : in->bmiHeader.biHeight;
    const int inBytes = in->bmiHeader.biBitCount / 8, outBytes = out->bmiHeader.biBitCount / 8;
    const size_t inStride = size_t((width * inBytes + 3) & ~3), outStride = size_t((width * outBytes + 3) & ~3);
    m_picture.assign(out->bmiHeader.biSizeImage, 0);
    // Both are stored the same way up: rows correspond one to one.
    for (LONG y = 0; y < height; ++y) {
        const BYTE* s = sample.data + size_t(y) * inStride;
        BYTE* d = m_picture.data() + size_t(y) * outStride;
        for (LONG x = 0; x < width; ++x, s += inBytes, d += outBytes) {
            d[0] = s[0];
            d[1] = s[1];
            d[2] = s[2];
            if (outBytes == 4) d[3] = 0xFF;
        }
    }
    MediaSample result = sample;
    result.data = m_picture.data();
    result.size = LONG(m_picture.size());
    return Pass(result);
}
