#include "CWmTagReader.h"

#include "CDirectShowFilter.h"
#include "CId3TagReader.h"
#include "CMediaTags.h"
#include "CNamedValue.h"
#include "CTagMaps.h"
#include "WmHeaderInfo.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/WideText.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// The value as text by its type; a value shorter than its type gives the empty text.
CString ValueText(WMT_ATTR_DATATYPE type, const std::vector<BYTE>& value)
{
    char number[16];
    switch (type) {
    case WMT_TYPE_DWORD: {
        if (value.size() < sizeof(DWORD)) return CString();
        DWORD n = 0;
        std::memcpy(&n, value.data(), sizeof n);
        std::snprintf(number, sizeof number, "%d", static_cast<int>(n));
        return CString(number);
    }
    case WMT_TYPE_WORD: {
        if (value.size() < sizeof(WORD)) return CString();
        WORD n = 0;
        std::memcpy(&n, value.data(), sizeof n);
        std::snprintf(number, sizeof number, "%d", n);
        return CString(number);
    }
    case WMT_TYPE_STRING: {
        // The attribute's own length bounds the text, terminated or not.
        std::u16string text(value.size() / sizeof(WCHAR), u'\0');
        std::memcpy(text.data(), value.data(), text.size() * sizeof(WCHAR));
        return CString(NarrowText(text.c_str()));
    }
    default:
        return CString();
    }
}

}  // namespace

bool CWmTagReader::Read(CMediaTags& tags)
{
    IBaseFilter* filter = GetInput() ? GetInput()->GetFilter() : nullptr;
    IWMHeaderInfo* header = nullptr;
    if (!CTagMaps::sMaps || !filter || FAILED(QueryInterfaceTo(filter, &header)) || !header) return false;
    bool found = false;
    WORD count = 0;
    if (FAILED(header->GetAttributeCount(0, &count))) count = 0;
    for (WORD i = 0; i < count; ++i) {
        WORD stream = 0;
        WORD nameLength = 0;
        WORD valueLength = 0;
        WMT_ATTR_DATATYPE type = WMT_TYPE_DWORD;
        if (FAILED(header->GetAttributeByIndex(i, &stream, nullptr, &nameLength, &type, nullptr, &valueLength)))
            continue;
        std::vector<WCHAR> name(size_t(nameLength) + 1, u'\0');
        std::vector<BYTE> value(valueLength);
        if (FAILED(header->GetAttributeByIndex(i, &stream, name.data(), &nameLength, &type, value.data(),
                                               &valueLength)))
            continue;
        // The lengths of the second call may only shrink what the first one gave.
        name.back() = u'\0';
        if (valueLength < value.size()) value.resize(valueLength);
        const std::string attribute = NarrowText(name.data());
        const CString tag(CTagMaps::sMaps->GetTagFromWm(attribute.c_str()));
        CString text = ValueText(type, value);
        if (tag.IsEmpty() || text.IsEmpty()) continue;
        if (attribute == "WM/GenreID") text = CId3TagReader::ResolveGenre(text);
        auto* entry = new CNamedValue;
        entry->SetName(tag);
        entry->SetValue(text);
        tags.GetValues().Add(entry);
        found = true;
    }
    header->Release();
    return found;
}
