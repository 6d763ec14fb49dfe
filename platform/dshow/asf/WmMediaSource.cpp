#include "dshow/asf/WmMediaSource.h"

#include "dshow/asf/AsfTagNames.h"

extern "C" {
#include <libavformat/avformat.h>
}

const CLSID CLSID_WmMediaSource = {0x6B6D0800, 0x9ADA, 0x11D0, {0xA5, 0x20, 0x00, 0xA0, 0xD1, 0x01, 0x29, 0xC0}};

HRESULT CWmMediaSource::Create(REFIID iid, void** object) { return CreateComObject<CWmMediaSource>(iid, object); }

// The system's default source: it opens Windows Media files and every other kind the media
// libraries read, as a player given no source for a file expects.
CWmMediaSource::CWmMediaSource() : CFileSource(CLSID_WmMediaSource) {}

void* CWmMediaSource::FindInterface(REFIID iid)
{
    if (iid == IWMHeaderInfo::kIid) return static_cast<IWMHeaderInfo*>(this);
    return CFileSource::FindInterface(iid);
}

HRESULT CWmMediaSource::Load(LPCOLESTR file, const AM_MEDIA_TYPE* type)
{
    HRESULT hr = CFileSource::Load(file, type);
    if (FAILED(hr) || !Format()) return hr;
    std::vector<std::pair<std::string, std::string>> tags;
    const AVDictionaryEntry* entry = nullptr;
    while ((entry = av_dict_get(Format()->metadata, "", entry, AV_DICT_IGNORE_SUFFIX)))
        tags.emplace_back(WmAttributeName(entry->key), entry->value);
    m_attributes = CAsfAttributes();
    m_attributes.SetFromContainer(tags);
    return hr;
}
