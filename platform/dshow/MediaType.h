#pragma once
// AM_MEDIA_TYPE helpers (format blocks live in task memory) and CMediaType, a media
// type that owns its format block.
#include "dshow/DShowTypes.h"

struct WAVEFORMATEX;

HRESULT CopyMediaType(AM_MEDIA_TYPE* target, const AM_MEDIA_TYPE* source);
void FreeMediaType(AM_MEDIA_TYPE& type);
AM_MEDIA_TYPE* CreateMediaType(const AM_MEDIA_TYPE* source); // task memory; null on failure
void DeleteMediaType(AM_MEDIA_TYPE* type);
// True when every non-null GUID of the pattern equals the type's.
bool MediaTypeMatches(const AM_MEDIA_TYPE& type, const GUID& major, const GUID& sub, const GUID& format);
// The format block as the asked structure, or null when the type's block is too small.
template <class T>
const T* MediaFormatAs(const AM_MEDIA_TYPE& type, const GUID& format)
{
    if (type.formattype != format || !type.pbFormat || type.cbFormat < sizeof(T)) return nullptr;
    return reinterpret_cast<const T*>(type.pbFormat);
}

class CMediaType : public AM_MEDIA_TYPE {
public:
    CMediaType();
    CMediaType(const AM_MEDIA_TYPE& other);
    CMediaType(const CMediaType& other);
    CMediaType& operator=(const AM_MEDIA_TYPE& other);
    CMediaType& operator=(const CMediaType& other);
    ~CMediaType();

    void SetType(const GUID& major) { majortype = major; }
    void SetSubtype(const GUID& sub) { subtype = sub; }
    void SetFormatType(const GUID& format) { formattype = format; }
    void SetSampleSize(ULONG size);
    void SetVariableSize() { bFixedSizeSamples = FALSE; }
    void SetTemporalCompression(BOOL compressed) { bTemporalCompression = compressed; }
    // A zeroed block of the given size (null when out of memory); replaces the old one.
    BYTE* AllocFormatBuffer(ULONG size);
    bool SetFormat(const BYTE* data, ULONG size);
    void ResetFormatBuffer();
    bool IsValid() const { return majortype != GUID{}; }
};

// The wave format of a whole 8-, 16-, 24- or 32-bit integer PCM type within this layer's limits; else null.
const WAVEFORMATEX* PcmFormatOf(const AM_MEDIA_TYPE& type);

// A PCM audio type with an 18-byte WAVEFORMATEX block.
void MakePcmMediaType(CMediaType& type, DWORD sampleRate, WORD channels, WORD bits);
