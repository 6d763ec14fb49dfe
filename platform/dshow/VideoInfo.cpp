#include "dshow/VideoInfo.h"

#include "dshow/MediaType.h"

void MakeRgbVideoType(CMediaType& type, const GUID& subtype, LONG width, LONG height, REFERENCE_TIME frameTime)
{
    type.SetType(MEDIATYPE_Video);
    type.SetSubtype(subtype);
    type.SetFormatType(FORMAT_VideoInfo);
    type.SetTemporalCompression(FALSE);
    WORD bits = subtype == MEDIASUBTYPE_RGB24 ? 24 : 32;
    DWORD stride = DWORD((width * bits / 8 + 3) & ~3);
    auto* info = reinterpret_cast<VIDEOINFOHEADER*>(type.AllocFormatBuffer(sizeof(VIDEOINFOHEADER)));
    if (!info) return;
    info->AvgTimePerFrame = frameTime;
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = width;
    info->bmiHeader.biHeight = height;
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = bits;
    info->bmiHeader.biSizeImage = stride * DWORD(height);
    info->rcSource = {0, 0, width, height};
    info->rcTarget = info->rcSource;
    type.SetSampleSize(info->bmiHeader.biSizeImage);
}

const VIDEOINFOHEADER* RgbVideoInfo(const AM_MEDIA_TYPE& type)
{
    const auto* info = MediaFormatAs<VIDEOINFOHEADER>(type, FORMAT_VideoInfo);
    if (type.majortype != MEDIATYPE_Video || !info) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    WORD bits = type.subtype == MEDIASUBTYPE_RGB32 ? 32 : type.subtype == MEDIASUBTYPE_RGB24 ? 24 : 0;
    if (!bits || h.biBitCount != bits || h.biWidth <= 0 || h.biWidth > kMaxVideoSide || h.biHeight == 0
        || h.biHeight < -kMaxVideoSide || h.biHeight > kMaxVideoSide)
        return nullptr;
    return info;
}
