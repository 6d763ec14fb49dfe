#include "dshow/MediaType.h"

#include "com/ComRuntime.h"
#include "dshow/CodecFormat.h"
#include "dshow/PcmSample.h"
#include "win32/audio/WaveFormat.h"

#include <cstring>

HRESULT CopyMediaType(AM_MEDIA_TYPE* target, const AM_MEDIA_TYPE* source)
{
    if (!target || !source) return E_POINTER;
    *target = *source;
    target->pbFormat = nullptr;
    target->cbFormat = 0;
    if (source->cbFormat && source->pbFormat) {
        target->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(source->cbFormat));
        if (!target->pbFormat) {
            // The copy holds no reference of its own: freeing it must not release the source's.
            target->pUnk = nullptr;
            return E_OUTOFMEMORY;
        }
        std::memcpy(target->pbFormat, source->pbFormat, source->cbFormat);
        target->cbFormat = source->cbFormat;
    }
    if (target->pUnk) target->pUnk->AddRef();
    return S_OK;
}

void FreeMediaType(AM_MEDIA_TYPE& type)
{
    CoTaskMemFree(type.pbFormat);
    type.pbFormat = nullptr;
    type.cbFormat = 0;
    SafeRelease(type.pUnk);
}

AM_MEDIA_TYPE* CreateMediaType(const AM_MEDIA_TYPE* source)
{
    auto* type = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    if (!type) return nullptr;
    if (FAILED(CopyMediaType(type, source))) {
        CoTaskMemFree(type);
        return nullptr;
    }
    return type;
}

void DeleteMediaType(AM_MEDIA_TYPE* type)
{
    if (!type) return;
    FreeMediaType(*type);
    CoTaskMemFree(type);
}

bool MediaTypeMatches(const AM_MEDIA_TYPE& type, const GUID& major, const GUID& sub, const GUID& format)
{
    const GUID none{};
    return (major == none || major == type.majortype) && (sub == none || sub == type.subtype)
        && (format == none || format == type.formattype);
}

CMediaType::CMediaType() : AM_MEDIA_TYPE{}
{
    bFixedSizeSamples = TRUE;
    lSampleSize = 1;
}

CMediaType::CMediaType(const AM_MEDIA_TYPE& other) : AM_MEDIA_TYPE{}
{
    CopyMediaType(this, &other);
}

CMediaType::CMediaType(const CMediaType& other) : CMediaType(static_cast<const AM_MEDIA_TYPE&>(other)) {}

CMediaType& CMediaType::operator=(const AM_MEDIA_TYPE& other)
{
    if (&other != this) {
        FreeMediaType(*this);
        CopyMediaType(this, &other);
    }
    return *this;
}

CMediaType& CMediaType::operator=(const CMediaType& other)
{
    return *this = static_cast<const AM_MEDIA_TYPE&>(other);
}

CMediaType::~CMediaType() { FreeMediaType(*this); }

void CMediaType::SetSampleSize(ULONG size)
{
    bFixedSizeSamples = size != 0;
    lSampleSize = size;
}

BYTE* CMediaType::AllocFormatBuffer(ULONG size)
{
    ResetFormatBuffer();
    if (size == 0) return nullptr;
    pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(size));
    if (!pbFormat) return nullptr;
    std::memset(pbFormat, 0, size);
    cbFormat = size;
    return pbFormat;
}

bool CMediaType::SetFormat(const BYTE* data, ULONG size)
{
    BYTE* block = AllocFormatBuffer(size);
    if (!block) return size == 0;
    std::memcpy(block, data, size);
    return true;
}

void CMediaType::ResetFormatBuffer()
{
    CoTaskMemFree(pbFormat);
    pbFormat = nullptr;
    cbFormat = 0;
}

const WAVEFORMATEX* PcmFormatOf(const AM_MEDIA_TYPE& type)
{
    const auto* wave = MediaFormatAs<WAVEFORMATEX>(type, FORMAT_WaveFormatEx);
    if (type.majortype != MEDIATYPE_Audio || type.subtype != MEDIASUBTYPE_PCM || !wave) return nullptr;
    bool ok = IsPcmDepth(wave->wBitsPerSample) && wave->nChannels > 0
        && wave->nChannels <= kMaxChannels && wave->nSamplesPerSec > 0 && wave->nSamplesPerSec <= kMaxSampleRate
        && wave->nBlockAlign == wave->nChannels * wave->wBitsPerSample / 8;
    return ok ? wave : nullptr;
}

void MakePcmMediaType(CMediaType& type, DWORD sampleRate, WORD channels, WORD bits)
{
    type.SetType(MEDIATYPE_Audio);
    type.SetSubtype(MEDIASUBTYPE_PCM);
    type.SetFormatType(FORMAT_WaveFormatEx);
    auto* wave = reinterpret_cast<WAVEFORMATEX*>(type.AllocFormatBuffer(sizeof(WAVEFORMATEX)));
    if (!wave) return;
    wave->wFormatTag = WAVE_FORMAT_PCM;
    wave->nChannels = channels;
    wave->nSamplesPerSec = sampleRate;
    wave->wBitsPerSample = bits;
    wave->nBlockAlign = WORD(channels * bits / 8);
    wave->nAvgBytesPerSec = sampleRate * wave->nBlockAlign;
    type.SetSampleSize(wave->nBlockAlign);
}
