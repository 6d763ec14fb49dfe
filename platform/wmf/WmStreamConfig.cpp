#include "wmf/WmStreamConfig.h"

#include "wmf/WmText.h"

#include <cstring>

namespace {

// A private interface through which a configuration of this runtime is recognised.
struct IWmStreamData : IUnknown {
    static constexpr IID kIid = {0x5C0F1D2E, 0x8A41, 0x4B7C, {0x9E, 0x33, 0x61, 0x0D, 0x2A, 0x7B, 0x44, 0x19}};
};

constexpr size_t kMaxFormat = 64 * 1024;

} // namespace

HRESULT CWmStreamConfig::QueryInterface(REFIID iid, void** object)
{
    if (object && iid == IWmStreamData::kIid) {
        AddRef();
        *object = this;
        return S_OK;
    }
    // Only a video stream has video properties.
    if (object && iid == IWMVideoMediaProps::kIid && m_stream.type != WMMEDIATYPE_Video) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    return TComObject::QueryInterface(iid, object);
}

const SWmStream* CWmStreamConfig::DataOf(IWMStreamConfig* config)
{
    void* own = nullptr;
    if (!config || FAILED(config->QueryInterface(IWmStreamData::kIid, &own)) || !own) return nullptr;
    auto* stream = static_cast<CWmStreamConfig*>(own);
    stream->Release();
    return &stream->m_stream;
}

HRESULT CWmStreamConfig::GetStreamType(GUID* type) { return GetType(type); }

HRESULT CWmStreamConfig::GetStreamNumber(WORD* number)
{
    if (!number) return E_POINTER;
    *number = m_stream.number;
    return S_OK;
}

HRESULT CWmStreamConfig::SetStreamNumber(WORD number)
{
    if (number < 1 || number > 63) return E_INVALIDARG;
    m_stream.number = number;
    return S_OK;
}

HRESULT CWmStreamConfig::GetStreamName(WCHAR* name, WORD* length) { return CopyTextOut(m_stream.name, name, length); }

HRESULT CWmStreamConfig::SetStreamName(const WCHAR* name)
{
    m_stream.name = TextIn(name);
    return S_OK;
}

HRESULT CWmStreamConfig::GetConnectionName(WCHAR* name, WORD* length)
{
    return CopyTextOut(m_stream.connection, name, length);
}

HRESULT CWmStreamConfig::SetConnectionName(const WCHAR* name)
{
    m_stream.connection = TextIn(name);
    return S_OK;
}

HRESULT CWmStreamConfig::GetBitrate(DWORD* bitrate)
{
    if (!bitrate) return E_POINTER;
    *bitrate = m_stream.bitrate;
    return S_OK;
}

HRESULT CWmStreamConfig::SetBitrate(DWORD bitrate)
{
    m_stream.bitrate = bitrate;
    return S_OK;
}

HRESULT CWmStreamConfig::GetBufferWindow(DWORD* window)
{
    if (!window) return E_POINTER;
    *window = m_stream.bufferWindow;
    return S_OK;
}

HRESULT CWmStreamConfig::SetBufferWindow(DWORD window)
{
    m_stream.bufferWindow = window;
    return S_OK;
}

HRESULT CWmStreamConfig::GetType(GUID* type)
{
    if (!type) return E_POINTER;
    *type = m_stream.type;
    return S_OK;
}

// The type and its format block in one piece, the format right after the header.
HRESULT CWmStreamConfig::GetMediaType(WM_MEDIA_TYPE* type, DWORD* size)
{
    if (!size) return E_POINTER;
    const DWORD needed = DWORD(sizeof(WM_MEDIA_TYPE) + m_stream.mediaType.cbFormat);
    if (!type) {
        *size = needed;
        return S_OK;
    }
    if (*size < needed) {
        *size = needed;
        return static_cast<HRESULT>(0x8007007A);
    }
    *type = m_stream.mediaType;
    type->pUnk = nullptr;
    type->pbFormat = m_stream.mediaType.cbFormat ? reinterpret_cast<BYTE*>(type + 1) : nullptr;
    if (type->pbFormat) std::memcpy(type->pbFormat, m_stream.mediaType.pbFormat, m_stream.mediaType.cbFormat);
    *size = needed;
    return S_OK;
}

HRESULT CWmStreamConfig::SetMediaType(WM_MEDIA_TYPE* type)
{
    if (!type) return E_POINTER;
    if (type->majortype != m_stream.type || type->cbFormat > kMaxFormat || (type->cbFormat && !type->pbFormat))
        return E_INVALIDARG;
    m_stream.mediaType = *type;
    return S_OK;
}

HRESULT CWmStreamConfig::GetMaxKeyFrameSpacing(LONGLONG* time)
{
    if (!time) return E_POINTER;
    *time = m_stream.keyFrameSpacing;
    return S_OK;
}

HRESULT CWmStreamConfig::SetMaxKeyFrameSpacing(LONGLONG time)
{
    if (time < 0) return E_INVALIDARG;
    m_stream.keyFrameSpacing = time;
    return S_OK;
}

HRESULT CWmStreamConfig::GetQuality(DWORD* quality)
{
    if (!quality) return E_POINTER;
    *quality = m_stream.quality;
    return S_OK;
}

HRESULT CWmStreamConfig::SetQuality(DWORD quality)
{
    if (quality > 100) return E_INVALIDARG;
    m_stream.quality = quality;
    return S_OK;
}
