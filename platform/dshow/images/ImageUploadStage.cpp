#include "dshow/images/ImageUploadStage.h"

#include "dshow/VideoInfo.h"
#include "dshow/formats/ImageFile.h"
#include "dshow/images/ImageIds.h"
#include "dshow/transforms/VideoScaling.h"

#include <vector>

HRESULT CImageUploadStage::Create(REFIID iid, void** object) { return CreateComObject<CImageUploadStage>(iid, object); }

CImageUploadStage::CImageUploadStage() : CVideoStageFilter(CLSID_ImageUploadStage) {}

void* CImageUploadStage::FindInterface(REFIID iid)
{
    if (iid == IImageUploadFrames::kIid) return static_cast<IImageUploadFrames*>(this);
    return CVideoStageFilter::FindInterface(iid);
}

HRESULT CImageUploadStage::SetFrameSink(IImageFrameSink* sink)
{
    std::lock_guard lock(m_sinkLock);
    m_sink = sink;
    return S_OK;
}

HRESULT CImageUploadStage::Picture(const MediaSample& sample)
{
    const VIDEOINFOHEADER* info = InputInfo();
    if (info && sample.data) {
        const BITMAPINFOHEADER& h = info->bmiHeader;
        const LONG height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
        const LONG stride = (h.biWidth * h.biBitCount / 8 + 3) & ~3;
        std::lock_guard lock(m_sinkLock);
        if (m_sink && sample.size >= stride * height)
            m_sink->TakeFrame(sample.data, sample.size, h.biBitCount, h.biHeight < 0, h.biWidth, height);
    }
    return Pass(sample);
}

HRESULT CImageUploadStage::EncodeFrame(const BYTE* data, LONG size, LONG bits, bool topDown, LONG width, LONG height,
                                       LONG kind, LONG quality, LONG targetWidth, LONG targetHeight,
                                       ImageBytesWriter write, void* context)
{
    if (!data || !write) return E_POINTER;
    if ((bits != 24 && bits != 32) || width <= 0 || height <= 0 || width > kMaxVideoSide || height > kMaxVideoSide)
        return E_INVALIDARG;
    VideoPicture picture;
    picture.data = const_cast<BYTE*>(data);
    picture.width = width;
    picture.height = height;
    picture.bits = WORD(bits);
    picture.stride = (width * bits / 8 + 3) & ~3;
    picture.bottomUp = !topDown;
    if (size < picture.stride * height) return E_INVALIDARG;
    std::vector<BYTE> scaled;
    if (targetWidth > 0 && targetHeight > 0 && (targetWidth != width || targetHeight != height)) {
        if (targetWidth > kMaxVideoSide || targetHeight > kMaxVideoSide) return E_INVALIDARG;
        VideoPicture target;
        target.width = targetWidth;
        target.height = targetHeight;
        target.bits = 24;
        target.stride = (targetWidth * 3 + 3) & ~3;
        scaled.resize(size_t(target.stride) * size_t(targetHeight));
        target.data = scaled.data();
        VideoScaleSettings settings;
        settings.keepAspect = false;
        if (!DShowVideoScaleRoutine()(settings, picture, target)) return E_FAIL;
        picture = target;
    }
    std::vector<BYTE> file;
    const HRESULT hr = EncodeImageFile(picture, kind, quality, file);
    if (SUCCEEDED(hr)) write(context, file.data(), LONG(file.size()));
    return hr;
}
