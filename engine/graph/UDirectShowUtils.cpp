#include "UDirectShowUtils.h"

#include "CTracer.h"
#include "UColorSpace.h"
#include "VideoFormatBlocks.h"
#include "afx/CString.h"
#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/WideText.h"
#include "win32/kernel/Module.h"
#include "win32/audio/WaveFormat.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr DWORD Fourcc(const char (&c)[5])
{
    return DWORD(BYTE(c[0])) | DWORD(BYTE(c[1])) << 8 | DWORD(BYTE(c[2])) << 16 | DWORD(BYTE(c[3])) << 24;
}

struct ColorEntry {
    EColorFormat format;
    const GUID* rgbSubtype; // null: the subtype is the FOURCC form
    DWORD fourcc;
    WORD bits; // 0: no bit count
};

const ColorEntry kColors[] = {
    {EColorFormat(100), &MEDIASUBTYPE_RGB8, 0, 8},
    {EColorFormat(101), &MEDIASUBTYPE_RGB555, 0, 16},
    {EColorFormat(102), &MEDIASUBTYPE_RGB565, 0, 16},
    {EColorFormat(103), &MEDIASUBTYPE_RGB24, 0, 24},
    {EColorFormat(106), &MEDIASUBTYPE_ARGB32, 0, 32},
    {EColorFormat(107), &MEDIASUBTYPE_RGB32, 0, 32},
    {EColorFormat(200), nullptr, Fourcc("AYUV"), 32},
    {EColorFormat(201), nullptr, Fourcc("UYVY"), 16},
    {EColorFormat(202), nullptr, Fourcc("Y411"), 0},
    {EColorFormat(203), nullptr, Fourcc("Y211"), 0},
    {EColorFormat(204), nullptr, Fourcc("YUY2"), 16},
    {EColorFormat(205), nullptr, Fourcc("YVYU"), 16},
    {EColorFormat(206), nullptr, Fourcc("IF09"), 0},
    {EColorFormat(207), nullptr, Fourcc("IYUV"), 12},
    {EColorFormat(208), nullptr, Fourcc("YV12"), 12},
    {EColorFormat(209), nullptr, Fourcc("YVU9"), 9},
    {EColorFormat(210), nullptr, Fourcc("I420"), 12},
};

const ColorEntry* FindColor(EColorFormat format)
{
    for (const ColorEntry& e : kColors)
        if (e.format == format) return &e;
    return nullptr;
}

GUID SubtypeOf(const ColorEntry& e)
{
    return e.rgbSubtype ? *e.rgbSubtype : MediaSubtypeFromFourcc(e.fourcc);
}

bool IsRgbFamily(EColorFormat format)
{
    return format >= 100 && format <= 107;
}

// The bitmap header of a VideoInfo or VideoInfo2 type, null for any other or a short block.
const BITMAPINFOHEADER* VideoHeaderOf(const AM_MEDIA_TYPE& type, const VIDEOINFOHEADER** info1 = nullptr,
                                      const VIDEOINFOHEADER2** info2 = nullptr)
{
    if (const auto* v = MediaFormatAs<VIDEOINFOHEADER>(type, FORMAT_VideoInfo)) {
        if (info1) *info1 = v;
        return &v->bmiHeader;
    }
    if (const auto* v = MediaFormatAs<VIDEOINFOHEADER2>(type, FORMAT_VideoInfo2)) {
        if (info2) *info2 = v;
        return &v->bmiHeader;
    }
    return nullptr;
}

REFERENCE_TIME FrameTimeOf(const AM_MEDIA_TYPE& type)
{
    const VIDEOINFOHEADER* v1 = nullptr;
    const VIDEOINFOHEADER2* v2 = nullptr;
    if (!VideoHeaderOf(type, &v1, &v2)) return 0;
    return v1 ? v1->AvgTimePerFrame : v2->AvgTimePerFrame;
}

const WAVEFORMATEX* WaveOf(const AM_MEDIA_TYPE& type)
{
    return MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx);
}

template <class Info>
bool MakeVideoType(CMediaType* type, const GUID& formatType, EColorFormat format, bool topDown, unsigned short width,
                   unsigned short height)
{
    const ColorEntry* entry = FindColor(format);
    if (!type || !entry) return false;
    Info info{};
    if (!UDirectShowUtils::FillBitmapInfoHeader(format, width, height, topDown, &info)) return false;
    type->SetType(MEDIATYPE_Video);
    type->SetSubtype(SubtypeOf(*entry));
    type->SetSampleSize(info.bmiHeader.biSizeImage);
    type->SetTemporalCompression(FALSE);
    type->SetFormatType(formatType);
    return type->SetFormat(reinterpret_cast<const BYTE*>(&info), sizeof(info));
}

} // namespace

namespace {
// The fields the two video blocks share.
template <class Target, class Source>
void CopySharedVideoFields(Target* target, const Source* source)
{
    if (!target || !source) return;
    target->rcSource = source->rcSource;
    target->rcTarget = source->rcTarget;
    target->dwBitRate = source->dwBitRate;
    target->dwBitErrorRate = source->dwBitErrorRate;
    target->AvgTimePerFrame = source->AvgTimePerFrame;
    target->bmiHeader = source->bmiHeader;
}
} // namespace

void UDirectShowUtils::CopyVideoInfo(VIDEOINFO* target, const VIDEOINFOHEADER2* source)
{
    CopySharedVideoFields(target, source);
}

void UDirectShowUtils::CopyVideoInfo(VIDEOINFOHEADER2* target, const VIDEOINFO* source)
{
    CopySharedVideoFields(target, source);
}

bool UDirectShowUtils::FillBitmapInfoHeader(EColorFormat format, unsigned short width, unsigned short height,
                                            bool topDown, BITMAPINFOHEADER* header)
{
    const ColorEntry* entry = FindColor(format);
    if (!header || !entry || entry->bits == 0) return false;
    header->biSize = 40;
    header->biPlanes = 1;
    header->biWidth = width;
    header->biHeight = topDown ? -LONG(height) : LONG(height);
    header->biBitCount = entry->bits;
    header->biClrUsed = format == 100 ? 256 : 0;
    header->biClrImportant = 0;
    if (format == 101 || format == 102)
        header->biCompression = BI_BITFIELDS;
    else if (entry->rgbSubtype)
        header->biCompression = BI_RGB;
    else
        header->biCompression = entry->fourcc;
    header->biSizeImage = DWORD(UColorSpace::GetImageSize(entry->bits, width, height));
    return true;
}

bool UDirectShowUtils::FillBitmapInfoHeader(EColorFormat format, unsigned short width, unsigned short height,
                                            bool topDown, VIDEOINFO* info)
{
    if (!info || !FillBitmapInfoHeader(format, width, height, topDown, &info->bmiHeader)) return false;
    if (format == 101) {
        info->dwBitMasks[0] = 0x7C00;
        info->dwBitMasks[1] = 0x03E0;
        info->dwBitMasks[2] = 0x001F;
    } else if (format == 102) {
        info->dwBitMasks[0] = 0xF800;
        info->dwBitMasks[1] = 0x07E0;
        info->dwBitMasks[2] = 0x001F;
    } else if (format == 100) {
        FillRgb8Palette(info->bmiColors);
    }
    return true;
}

bool UDirectShowUtils::FillBitmapInfoHeader(EColorFormat format, unsigned short width, unsigned short height,
                                            bool topDown, VIDEOINFOHEADER2* info)
{
    return info && FillBitmapInfoHeader(format, width, height, topDown, &info->bmiHeader);
}

void UDirectShowUtils::FillRgb8Palette(RGBQUAD* palette)
{
    if (!palette) return;
    // A 6x6x6 colour cube followed by a grey ramp fills the 256 entries.
    int n = 0;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b, ++n)
                palette[n] = RGBQUAD{BYTE(b * 51), BYTE(g * 51), BYTE(r * 51), 0};
    for (int i = 0; n < 256; ++i, ++n) {
        const BYTE grey = BYTE(8 + i * 6);
        palette[n] = RGBQUAD{grey, grey, grey, 0};
    }
}

bool UDirectShowUtils::MakeVideoInfo(CMediaType* type, EColorFormat format, bool topDown, unsigned short width,
                                     unsigned short height)
{
    return MakeVideoType<VIDEOINFO>(type, FORMAT_VideoInfo, format, topDown, width, height);
}

bool UDirectShowUtils::MakeVideoInfo2(CMediaType* type, EColorFormat format, bool topDown, unsigned short width,
                                      unsigned short height)
{
    return MakeVideoType<VIDEOINFOHEADER2>(type, FORMAT_VideoInfo2, format, topDown, width, height);
}

bool UDirectShowUtils::MakeAudioInfo(CMediaType* type, unsigned long sampleRate, char channels, char bits)
{
    if (!type) return false;
    WAVEFORMATEX wave{};
    wave.wFormatTag = WAVE_FORMAT_PCM;
    wave.nChannels = WORD(BYTE(channels));
    wave.nSamplesPerSec = DWORD(sampleRate);
    wave.wBitsPerSample = WORD(BYTE(bits));
    wave.nBlockAlign = WORD(wave.nChannels * wave.wBitsPerSample / 8);
    wave.nAvgBytesPerSec = wave.nSamplesPerSec * wave.nBlockAlign;
    wave.cbSize = 0;
    type->SetType(MEDIATYPE_Audio);
    type->SetSubtype(MEDIASUBTYPE_PCM);
    type->SetFormatType(FORMAT_WaveFormatEx);
    type->SetSampleSize(wave.nAvgBytesPerSec);
    return type->SetFormat(reinterpret_cast<const BYTE*>(&wave), sizeof(wave));
}

bool UDirectShowUtils::GetVideoSize(const AM_MEDIA_TYPE* type, unsigned short& width, unsigned short& height)
{
    const BITMAPINFOHEADER* header = type ? VideoHeaderOf(*type) : nullptr;
    if (!header) return false;
    const long long w = std::llabs(header->biWidth), h = std::llabs(header->biHeight);
    if (w > 0xFFFF || h > 0xFFFF) return false;
    width = static_cast<unsigned short>(w);
    height = static_cast<unsigned short>(h);
    return true;
}

EColorFormat UDirectShowUtils::GetColorFormat(const AM_MEDIA_TYPE* type)
{
    if (!type || type->majortype != MEDIATYPE_Video) return kColorNone;
    // IYUV and I420 are the same layout; both are reported as I420.
    if (type->subtype == MediaSubtypeFromFourcc(Fourcc("IYUV"))) return EColorFormat(210);
    for (const ColorEntry& e : kColors)
        if (SubtypeOf(e) == type->subtype) return e.format;
    return kColorNone;
}

GUID UDirectShowUtils::GetColorType(EColorFormat format)
{
    const ColorEntry* entry = FindColor(format);
    return entry ? SubtypeOf(*entry) : GUID{};
}

unsigned long UDirectShowUtils::GetDXVersion()
{
    HMODULE ddraw = LoadLibrary("DDRAW.DLL");
    if (!ddraw) {
        CTracer::Prompt("Couldn't LoadLibrary DDraw\r\n");
        return 0;
    }
    HMODULE d3d8 = LoadLibrary("D3D8.DLL");
    if (!d3d8) {
        FreeLibrary(ddraw);
        CTracer::Prompt("Couldn't LoadLibrary D3D8.DLL\r\n");
        return 0;
    }
    unsigned long version = 0x800;
    if (HMODULE dpnhpast = LoadLibrary("dpnhpast.dll")) {
        FreeLibrary(dpnhpast);
        version = 0x801;
    } else {
        CTracer::Prompt("Couldn't LoadLibrary dpnhpast.dll\r\n");
    }
    FreeLibrary(d3d8);
    FreeLibrary(ddraw);
    return version;
}

unsigned long UDirectShowUtils::GetWMFVersion()
{
    return 0x900;
}

double UDirectShowUtils::GetFrameRate(long long averageTimePerFrame)
{
    // A type without a frame time has no frame rate (rather than a division by zero).
    if (averageTimePerFrame <= 0) return 0;
    return double(static_cast<long long>(1e9 / double(averageTimePerFrame) + 0.5)) * 0.01;
}

long long UDirectShowUtils::GetAverageTimePerFrame(const AM_MEDIA_TYPE* type)
{
    return type ? FrameTimeOf(*type) : 0;
}

bool UDirectShowUtils::IsDvMediaType(const AM_MEDIA_TYPE* type)
{
    if (!type) return false;
    if (type->majortype == MediaSubtypeFromFourcc(Fourcc("iavs"))) return true;
    if (type->majortype != MEDIATYPE_Video) return false;
    for (DWORD dv : {Fourcc("dvsd"), Fourcc("dvhd"), Fourcc("dvsl"), Fourcc("dv25"), Fourcc("dv50"), Fourcc("dvh1")})
        if (type->subtype == MediaSubtypeFromFourcc(dv)) return true;
    return false;
}

bool UDirectShowUtils::VisitMediaTypes(IPin* pin, const std::function<bool(const AM_MEDIA_TYPE&)>& visit)
{
    IEnumMediaTypes* types = nullptr;
    if (!pin || FAILED(pin->EnumMediaTypes(&types)) || !types) return false;
    bool stopped = false;
    AM_MEDIA_TYPE* type = nullptr;
    ULONG fetched = 0;
    while (!stopped && types->Next(1, &type, &fetched) == S_OK && fetched == 1) {
        if (type) stopped = visit(*type);
        DeleteMediaType(type);
        type = nullptr;
    }
    types->Release();
    return stopped;
}

bool UDirectShowUtils::VisitPins(IBaseFilter* filter, PIN_DIRECTION direction,
                                 const std::function<bool(IPin*)>& visit)
{
    IEnumPins* pins = nullptr;
    if (!filter || FAILED(filter->EnumPins(&pins)) || !pins) return false;
    bool stopped = false;
    IPin* pin = nullptr;
    ULONG fetched = 0;
    while (!stopped && pins->Next(1, &pin, &fetched) == S_OK && fetched == 1) {
        PIN_DIRECTION d;
        if (pin && SUCCEEDED(pin->QueryDirection(&d)) && d == direction) stopped = visit(pin);
        SafeRelease(pin);
    }
    pins->Release();
    return stopped;
}

GUID UDirectShowUtils::FindAcceptedMediaType(IPin* pin, GUID& subtype)
{
    GUID major{};
    VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) {
        if (pin->QueryAccept(&t) != S_OK) return false;
        major = t.majortype;
        subtype = t.subtype;
        return true;
    });
    return major;
}

bool UDirectShowUtils::HasUncompressedVideoType(IPin* pin)
{
    return VisitMediaTypes(pin, [](const AM_MEDIA_TYPE& t) {
        const BITMAPINFOHEADER* h = VideoHeaderOf(t);
        if (!h) return false;
        const DWORD c = h->biCompression;
        return c == BI_RGB || c == BI_BITFIELDS || c == Fourcc("YUY2") || c == Fourcc("UYVY") ||
               c == Fourcc("YVYU") || c == Fourcc("YV12");
    });
}

bool UDirectShowUtils::HasPcmAudioType(IPin* pin)
{
    return VisitMediaTypes(pin,
                           [](const AM_MEDIA_TYPE& t) { return WaveOf(t) && t.subtype == MEDIASUBTYPE_PCM; });
}

bool UDirectShowUtils::GetPinVideoFormat(IPin* pin, unsigned short& width, unsigned short& height, double& frameRate,
                                         double& aspectRatio)
{
    return VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) {
        const VIDEOINFOHEADER2* v2 = nullptr;
        if (!VideoHeaderOf(t, nullptr, &v2) || !GetVideoSize(&t, width, height)) return false;
        frameRate = GetFrameRate(FrameTimeOf(t));
        if (v2 && v2->dwPictAspectRatioY)
            aspectRatio = double(v2->dwPictAspectRatioX) / v2->dwPictAspectRatioY;
        else
            aspectRatio = height ? double(width) / height : 0;
        return true;
    });
}

bool UDirectShowUtils::GetPinBestAudioFormat(IPin* pin, unsigned long& sampleRate, char& channels, char& bits)
{
    int best = -1;
    VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) {
        const WAVEFORMATEX* w = WaveOf(t);
        if (w && int(w->wBitsPerSample) > best) {
            best = w->wBitsPerSample;
            sampleRate = w->nSamplesPerSec;
            channels = char(w->nChannels);
            bits = char(w->wBitsPerSample);
        }
        return false;
    });
    return best >= 0;
}

int UDirectShowUtils::CountMediaTypes(IPin* pin)
{
    int count = 0;
    VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE&) {
        ++count;
        return false;
    });
    return count;
}

namespace {
AM_MEDIA_TYPE* FirstType(IPin* pin, const std::function<bool(const AM_MEDIA_TYPE&)>& wanted)
{
    AM_MEDIA_TYPE* found = nullptr;
    UDirectShowUtils::VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) {
        if (!wanted(t)) return false;
        found = CreateMediaType(&t);
        return true;
    });
    return found;
}
} // namespace

AM_MEDIA_TYPE* UDirectShowUtils::GetMediaType(IPin* pin, int index)
{
    int n = 0;
    return FirstType(pin, [&](const AM_MEDIA_TYPE&) { return n++ == index; });
}

AM_MEDIA_TYPE* UDirectShowUtils::FindAudioMediaType(IPin* pin, unsigned long sampleRate, char channels, char bits,
                                                    unsigned long bitrate)
{
    return FirstType(pin, [&](const AM_MEDIA_TYPE& t) {
        const WAVEFORMATEX* w = WaveOf(t);
        return w && w->nSamplesPerSec == sampleRate && w->nChannels == WORD(BYTE(channels)) &&
               (bits == 0 || w->wBitsPerSample == WORD(BYTE(bits))) &&
               (bitrate == 0 || static_cast<unsigned long>(w->nAvgBytesPerSec) * 8 == bitrate);
    });
}

AM_MEDIA_TYPE* UDirectShowUtils::FindVideoMediaType(IPin* pin, EColorFormat format)
{
    return FirstType(pin, [&](const AM_MEDIA_TYPE& t) { return VideoHeaderOf(t) && GetColorFormat(&t) == format; });
}

unsigned long UDirectShowUtils::GetPinBitrate(IPin* pin)
{
    unsigned long bitrate = 0;
    VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) {
        if (const WAVEFORMATEX* w = WaveOf(t)) {
            bitrate = static_cast<unsigned long>(w->nAvgBytesPerSec) * 8;
        } else if (const BITMAPINFOHEADER* h = VideoHeaderOf(t)) {
            const double bits = GetFrameRate(FrameTimeOf(t)) * double(h->biSizeImage) * 8;
            bitrate = bits > 4294967295.0 ? 0xFFFFFFFFul : static_cast<unsigned long>(bits);
        }
        return true;
    });
    return bitrate;
}

bool UDirectShowUtils::NeedsColorConversion(IPin* pin, EColorFormat format)
{
    const bool rgb = IsRgbFamily(format);
    return VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) {
        const EColorFormat own = GetColorFormat(&t);
        return own != kColorNone && IsRgbFamily(own) != rgb;
    });
}

std::string UDirectShowUtils::GetPinName(IPin* pin)
{
    PIN_INFO info{};
    if (!pin || FAILED(pin->QueryPinInfo(&info))) return {};
    SafeRelease(info.pFilter);
    info.achName[MAX_PIN_NAME - 1] = 0;
    return NarrowText(info.achName);
}

bool UDirectShowUtils::PinHasTag(IPin* pin, const char* tag)
{
    if (!pin || !tag || !*tag) return false;
    if (GetPinName(pin).find(tag) != std::string::npos) return true;
    LPWSTR id = nullptr;
    if (SUCCEEDED(pin->QueryId(&id)) && id) {
        const bool found = NarrowText(id).find(tag) != std::string::npos;
        CoTaskMemFree(id);
        return found;
    }
    return false;
}

namespace {
IPin* FirstPin(IBaseFilter* filter, PIN_DIRECTION direction, const std::function<bool(IPin*)>& wanted)
{
    IPin* found = nullptr;
    UDirectShowUtils::VisitPins(filter, direction, [&](IPin* pin) {
        if (!wanted(pin)) return false;
        found = pin;
        found->AddRef();
        return true;
    });
    return found;
}
} // namespace

IPin* UDirectShowUtils::FindPinByTag(IBaseFilter* filter, PIN_DIRECTION direction, const char* tag)
{
    return FirstPin(filter, direction, [&](IPin* pin) { return PinHasTag(pin, tag); });
}

IPin* UDirectShowUtils::FindPinByIndex(IBaseFilter* filter, PIN_DIRECTION direction, int index)
{
    int n = 0;
    return FirstPin(filter, direction, [&](IPin*) { return n++ == index; });
}

IPin* UDirectShowUtils::FindPinByType(IBaseFilter* filter, PIN_DIRECTION direction, const GUID& major,
                                      const GUID& subtype, const GUID& format)
{
    return FirstPin(filter, direction, [&](IPin* pin) {
        return VisitMediaTypes(pin, [&](const AM_MEDIA_TYPE& t) { return MediaTypeMatches(t, major, subtype, format); });
    });
}
