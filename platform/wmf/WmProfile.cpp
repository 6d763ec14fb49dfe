#include "wmf/WmProfile.h"

#include "wmf/WmText.h"

#include <algorithm>

namespace {

struct IWmProfileData : IUnknown {
    static constexpr IID kIid = {0x2F8D51A4, 0x0C3B, 0x4E62, {0xA1, 0x7D, 0x95, 0x4E, 0x08, 0xB2, 0x6C, 0x3A}};
};

} // namespace

HRESULT NewStreamConfig(const SWmStream& stream, IWMStreamConfig** config)
{
    if (!config) return E_POINTER;
    return CreateComObject<CWmStreamConfig>(IWMStreamConfig::kIid, reinterpret_cast<void**>(config), stream);
}

HRESULT CWmProfile::QueryInterface(REFIID iid, void** object)
{
    if (object && iid == IWmProfileData::kIid) {
        AddRef();
        *object = this;
        return S_OK;
    }
    return TComObject::QueryInterface(iid, object);
}

const SWmProfile* CWmProfile::DataOf(IWMProfile* profile)
{
    void* own = nullptr;
    if (!profile || FAILED(profile->QueryInterface(IWmProfileData::kIid, &own)) || !own) return nullptr;
    auto* found = static_cast<CWmProfile*>(own);
    found->Release();
    return &found->m_profile;
}

HRESULT CWmProfile::GetVersion(WMT_VERSION* version)
{
    if (!version) return E_POINTER;
    *version = m_profile.version;
    return S_OK;
}

HRESULT CWmProfile::GetName(WCHAR* name, DWORD* length) { return CopyTextOut(m_profile.name, name, length); }

HRESULT CWmProfile::SetName(const WCHAR* name)
{
    m_profile.name = TextIn(name);
    return S_OK;
}

HRESULT CWmProfile::GetDescription(WCHAR* text, DWORD* length)
{
    return CopyTextOut(m_profile.description, text, length);
}

HRESULT CWmProfile::SetDescription(const WCHAR* text)
{
    m_profile.description = TextIn(text);
    return S_OK;
}

HRESULT CWmProfile::GetStreamCount(DWORD* count)
{
    if (!count) return E_POINTER;
    *count = DWORD(m_profile.streams.size());
    return S_OK;
}

HRESULT CWmProfile::GetStream(DWORD index, IWMStreamConfig** config)
{
    if (!config) return E_POINTER;
    *config = nullptr;
    if (index >= m_profile.streams.size()) return NS_E_INVALID_INDEX;
    return NewStreamConfig(m_profile.streams[index], config);
}

SWmStream* CWmProfile::FindNumber(WORD number)
{
    for (SWmStream& s : m_profile.streams)
        if (s.number == number) return &s;
    return nullptr;
}

HRESULT CWmProfile::GetStreamByNumber(WORD number, IWMStreamConfig** config)
{
    if (!config) return E_POINTER;
    *config = nullptr;
    const SWmStream* stream = FindNumber(number);
    return stream ? NewStreamConfig(*stream, config) : NS_E_INVALID_INDEX;
}

HRESULT CWmProfile::RemoveStream(IWMStreamConfig* config)
{
    WORD number = 0;
    if (!config || FAILED(config->GetStreamNumber(&number))) return E_INVALIDARG;
    return RemoveStreamByNumber(number);
}

HRESULT CWmProfile::RemoveStreamByNumber(WORD number)
{
    auto& streams = m_profile.streams;
    auto it = std::find_if(streams.begin(), streams.end(), [&](const SWmStream& s) { return s.number == number; });
    if (it == streams.end()) return NS_E_INVALID_INDEX;
    streams.erase(it);
    return S_OK;
}

HRESULT CWmProfile::AddStream(IWMStreamConfig* config)
{
    const SWmStream* stream = CWmStreamConfig::DataOf(config);
    if (!stream) return E_INVALIDARG;
    if (stream->number < 1 || stream->number > 63 || FindNumber(stream->number) || !stream->mediaType.IsValid())
        return E_INVALIDARG;
    m_profile.streams.push_back(*stream);
    return S_OK;
}

HRESULT CWmProfile::ReconfigStream(IWMStreamConfig* config)
{
    const SWmStream* stream = CWmStreamConfig::DataOf(config);
    if (!stream) return E_INVALIDARG;
    SWmStream* existing = FindNumber(stream->number);
    if (!existing) return NS_E_INVALID_INDEX;
    if (existing->type != stream->type) return E_INVALIDARG;
    *existing = *stream;
    return S_OK;
}

HRESULT CWmProfile::CreateNewStream(REFGUID type, IWMStreamConfig** config)
{
    if (!config) return E_POINTER;
    *config = nullptr;
    if (type != WMMEDIATYPE_Audio && type != WMMEDIATYPE_Video) return E_INVALIDARG;
    SWmStream stream;
    stream.type = type;
    stream.mediaType.SetType(type);
    return NewStreamConfig(stream, config);
}
