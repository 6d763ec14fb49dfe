#include "CWmTagWriter.h"

#include "CDirectShowFilter.h"
#include "CMediaTags.h"
#include "CNamedValue.h"
#include "UApplicationUtils.h"
#include "WmHeaderInfo.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/WideText.h"

#include <limits>
#include <string>

namespace {

const char* const kNameTable[][2] = {
    {"Author", "TP1"},
    {"Copyright", "TCR"},
    {"CopyrightURL", "WCP"},
    {"Description", "COM"},
    {"Title", "TT2"},
    {"WM/AlbumArtist", "TP2"},
    {"WM/AlbumTitle", "TAL"},
    {"WM/AudioFileURL", "WAF"},
    {"WM/AudioSourceURL", "WAS"},
    {"WM/AuthorURL", "WAR"},
    {"WM/Comments", "COM"},
    {"WM/Composer", "TCM"},
    {"WM/Conductor", "TP3"},
    {"WM/ContentGroupDescription", "TT1"},
    {"WM/Genre", "TCO"},
    {"WM/Language", "TLA"},
    {"WM/OriginalAlbumTitle", "TOT"},
    {"WM/OriginalArtist", "TOA"},
    {"WM/OriginalFilename", "TOF"},
    {"WM/OriginalLyricist", "TOL"},
    {"WM/OriginalReleaseYear", "TOR"},
    {"WM/PartOfSet", "TPA"},
    {"WM/Picture", "PIC"},
    {"WM/Publisher", "TPB"},
    {"WM/RadioStationName", "TRN"},
    {"WM/RadioStationOwner", "TRO"},
    {"WM/SubTitle", "TT3"},
    {"WM/TrackNumber", "TRK"},
    {"WM/Writer", "TXT"},
    {"WM/Year", "TYE"},
};

void SetText(IWMHeaderInfo& header, const char* attribute, const char* value)
{
    const std::u16string name = WideText(attribute);
    const std::u16string text = WideText(value ? value : "");
    // The attribute length is 16 bits: a longer text is cut rather than wrapped.
    const size_t maxChars = std::numeric_limits<WORD>::max() / sizeof(WCHAR) - 1;
    const std::u16string stored = text.substr(0, maxChars);
    const auto bytes = static_cast<WORD>((stored.size() + 1) * sizeof(WCHAR));
    header.SetAttribute(0, name.c_str(), WMT_TYPE_STRING, reinterpret_cast<const BYTE*>(stored.c_str()), bytes);
}

}  // namespace

CWmTagWriter::CWmTagWriter(CDirectShowFilter* writer) : CTagWriter(writer)
{
    for (const auto& row : kNameTable) m_names.AddLookup(row[0], row[1]);
}

bool CWmTagWriter::Write(CMediaTags& tags)
{
    IBaseFilter* filter = GetWriter() ? GetWriter()->GetFilter() : nullptr;
    IWMHeaderInfo* header = nullptr;
    if (!filter || FAILED(QueryInterfaceTo(filter, &header)) || !header) return false;
    for (int i = 0; i < tags.GetValueCount(); ++i) {
        const CNamedValue* tag = tags.GetValue(i);
        if (const CTextPair* attribute = m_names.FindByValue(tag->GetName()))
            SetText(*header, attribute->GetName(), tag->GetValue());
    }
    SetText(*header, "WM/ToolName", UApplicationUtils::GetApplicationName());
    SetText(*header, "WM/ToolVersion", UApplicationUtils::GetVersion());
    header->Release();
    return true;
}
