#include "wmf/ProfileText.h"

#include "com/Guid.h"
#include "dshow/VideoInfo.h"
#include "win32/audio/WaveFormat.h"

#include <cstdlib>
#include <map>

namespace {

constexpr size_t kMaxStreams = 63;
constexpr size_t kMaxProperties = 64;
constexpr size_t kMaxFormat = 64 * 1024;
// The highest value WMT_VERSION holds (its values need 20 bits); versions of other runtimes
// than the four named load all the same.
constexpr uint64_t kMaxVersion = 0xFFFFF;

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

void AppendEscaped(std::u16string& out, const std::u16string& value)
{
    for (char16_t c : value) {
        switch (c) {
        case u'&': out += u"&amp;"; break;
        case u'"': out += u"&quot;"; break;
        case u'<': out += u"&lt;"; break;
        case u'>': out += u"&gt;"; break;
        default: out += c;
        }
    }
}

class CTextWriter {
public:
    void Open(const char* element) { m_text += u"<" + Widen(element); }
    void Attribute(const char* name, const std::u16string& value)
    {
        m_text += u" " + Widen(name) + u"=\"";
        AppendEscaped(m_text, value);
        m_text += u"\"";
    }
    void Attribute(const char* name, uint64_t value) { Attribute(name, Widen(std::to_string(value))); }
    void Attribute(const char* name, const GUID& value) { Attribute(name, Widen(GuidToText(value))); }
    void Hex(const char* name, const BYTE* data, size_t size)
    {
        static const char kDigits[] = "0123456789ABCDEF";
        std::u16string hex;
        for (size_t i = 0; i < size; ++i) {
            hex += char16_t(kDigits[data[i] >> 4]);
            hex += char16_t(kDigits[data[i] & 15]);
        }
        Attribute(name, hex);
    }
    void EndOpen(bool empty) { m_text += empty ? u"/>\n" : u">\n"; }
    void Close(const char* element) { m_text += u"</" + Widen(element) + u">\n"; }
    void Indent(int depth) { m_text.append(size_t(depth) * 2, u' '); }
    std::u16string Take() { return std::move(m_text); }

private:
    std::u16string m_text;
};

} // namespace

std::u16string WriteProfileText(const SWmProfile& profile)
{
    CTextWriter w;
    w.Open("profile");
    w.Attribute("version", uint64_t(profile.version));
    w.Attribute("name", profile.name);
    w.Attribute("description", profile.description);
    w.EndOpen(false);
    for (const SWmStream& s : profile.streams) {
        w.Indent(1);
        w.Open("streamconfig");
        w.Attribute("majortype", s.type);
        w.Attribute("streamnumber", s.number);
        w.Attribute("streamname", s.name);
        w.Attribute("connectionname", s.connection);
        w.Attribute("bitrate", s.bitrate);
        w.Attribute("bufferwindow", s.bufferWindow);
        w.Attribute("keyframespacing", uint64_t(s.keyFrameSpacing));
        w.Attribute("quality", s.quality);
        w.EndOpen(false);
        const CMediaType& t = s.mediaType;
        w.Indent(2);
        w.Open("wmmediatype");
        w.Attribute("subtype", t.subtype);
        w.Attribute("bfixedsizesamples", t.bFixedSizeSamples ? 1 : 0);
        w.Attribute("btemporalcompression", t.bTemporalCompression ? 1 : 0);
        w.Attribute("lsamplesize", t.lSampleSize);
        w.Attribute("formattype", t.formattype);
        w.Hex("format", t.pbFormat, t.pbFormat ? t.cbFormat : 0);
        w.EndOpen(true);
        for (DWORD i = 0; i < s.vault.Count(); ++i) {
            const CPropertyVault::Property* p = s.vault.At(i);
            w.Indent(2);
            w.Open("property");
            w.Attribute("name", p->name);
            w.Attribute("type", uint64_t(p->type));
            w.Hex("value", p->value.data(), p->value.size());
            w.EndOpen(true);
        }
        w.Indent(1);
        w.Close("streamconfig");
    }
    w.Close("profile");
    return w.Take();
}

namespace {

using Attributes = std::map<std::string, std::u16string>;

struct Element {
    std::string name;
    Attributes attributes;
};

// Reads the elements of the text one after another; nesting is not needed to read a profile.
class CTextReader {
public:
    explicit CTextReader(const std::u16string& text) : m_text(text) {}

    bool Next(Element& element)
    {
        while (true) {
            size_t open = m_text.find(u'<', m_at);
            if (open == std::u16string::npos) return false;
            m_at = open + 1;
            if (m_at < m_text.size() && (m_text[m_at] == u'/' || m_text[m_at] == u'?' || m_text[m_at] == u'!')) continue;
            element = Element{};
            if (ReadElement(element)) return true;
        }
    }

private:
    static bool IsNameChar(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'; }
    static bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

    bool ReadName(std::string& name)
    {
        while (m_at < m_text.size() && IsNameChar(m_text[m_at]) && name.size() < 64) name += char(m_text[m_at++]);
        return !name.empty();
    }
    void SkipSpace()
    {
        while (m_at < m_text.size() && IsSpace(m_text[m_at])) ++m_at;
    }
    bool ReadElement(Element& element)
    {
        if (!ReadName(element.name)) return false;
        for (size_t i = 0; i < 64; ++i) {
            SkipSpace();
            if (m_at >= m_text.size()) return false;
            if (m_text[m_at] == u'>' || m_text[m_at] == u'/') return true;
            std::string name;
            if (!ReadName(name)) return false;
            SkipSpace();
            if (m_at + 1 >= m_text.size() || m_text[m_at] != u'=' || m_text[m_at + 1] != u'"') return false;
            m_at += 2;
            size_t end = m_text.find(u'"', m_at);
            if (end == std::u16string::npos) return false;
            element.attributes[name] = Unescape(m_text.substr(m_at, end - m_at));
            m_at = end + 1;
        }
        return false;
    }
    static std::u16string Unescape(const std::u16string& value)
    {
        static const std::pair<const char16_t*, char16_t> kEntities[] = {
            {u"&amp;", u'&'}, {u"&quot;", u'"'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}};
        std::u16string out;
        for (size_t i = 0; i < value.size(); ++i) {
            bool replaced = false;
            for (const auto& [entity, c] : kEntities) {
                const std::u16string e(entity);
                if (value.compare(i, e.size(), e) == 0) {
                    out += c;
                    i += e.size() - 1;
                    replaced = true;
                    break;
                }
            }
            if (!replaced) out += value[i];
        }
        return out;
    }

    const std::u16string& m_text;
    size_t m_at = 0;
};

bool Number(const Attributes& a, const char* name, uint64_t limit, uint64_t& value)
{
    auto it = a.find(name);
    if (it == a.end() || it->second.empty() || it->second.size() > 20) return false;
    uint64_t n = 0;
    for (char16_t c : it->second) {
        if (c < u'0' || c > u'9') return false;
        const uint64_t digit = uint64_t(c - u'0');
        if (digit > limit || n > (limit - digit) / 10) return false;
        n = n * 10 + digit;
    }
    value = n;
    return true;
}

bool Guid(const Attributes& a, const char* name, GUID& value)
{
    auto it = a.find(name);
    if (it == a.end() || it->second.size() != 38) return false;
    std::string text(it->second.begin(), it->second.end());
    return GuidFromText(text.c_str(), &value);
}

bool Hex(const Attributes& a, const char* name, std::vector<BYTE>& bytes)
{
    auto it = a.find(name);
    if (it == a.end() || it->second.size() % 2 || it->second.size() / 2 > kMaxFormat) return false;
    auto digit = [](char16_t c) -> int {
        if (c >= u'0' && c <= u'9') return c - u'0';
        if (c >= u'A' && c <= u'F') return c - u'A' + 10;
        if (c >= u'a' && c <= u'f') return c - u'a' + 10;
        return -1;
    };
    bytes.clear();
    for (size_t i = 0; i < it->second.size(); i += 2) {
        const int hi = digit(it->second[i]), lo = digit(it->second[i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes.push_back(BYTE(hi * 16 + lo));
    }
    return true;
}

std::u16string Text(const Attributes& a, const char* name)
{
    auto it = a.find(name);
    return it == a.end() ? std::u16string() : it->second.substr(0, 256);
}

bool ReadStream(const Attributes& a, SWmStream& s)
{
    uint64_t number = 0, bitrate = 0, window = 3000, spacing = uint64_t(s.keyFrameSpacing), quality = s.quality;
    if (!Guid(a, "majortype", s.type) || (s.type != WMMEDIATYPE_Audio && s.type != WMMEDIATYPE_Video)) return false;
    if (!Number(a, "streamnumber", 63, number) || number == 0) return false;
    if (!Number(a, "bitrate", 0xFFFFFFFF, bitrate)) return false;
    Number(a, "bufferwindow", 0xFFFFFFFF, window);
    Number(a, "keyframespacing", uint64_t(INT64_MAX), spacing);
    Number(a, "quality", 100, quality);
    s.number = WORD(number);
    s.bitrate = DWORD(bitrate);
    s.bufferWindow = DWORD(window);
    s.keyFrameSpacing = LONGLONG(spacing);
    s.quality = DWORD(quality);
    s.name = Text(a, "streamname");
    s.connection = Text(a, "connectionname");
    return true;
}

// The media type of a stream, whose format block must hold the structure its format names.
bool ReadMediaType(const Attributes& a, SWmStream& s)
{
    CMediaType& t = s.mediaType;
    GUID subtype{}, format{};
    uint64_t fixed = 0, temporal = 0, sampleSize = 0;
    std::vector<BYTE> block;
    if (!Guid(a, "subtype", subtype) || !Guid(a, "formattype", format) || !Hex(a, "format", block)) return false;
    Number(a, "bfixedsizesamples", 1, fixed);
    Number(a, "btemporalcompression", 1, temporal);
    Number(a, "lsamplesize", 0xFFFFFFFF, sampleSize);
    if (s.type == WMMEDIATYPE_Audio && (format != FORMAT_WaveFormatEx || block.size() < sizeof(WAVEFORMATEX)))
        return false;
    if (s.type == WMMEDIATYPE_Video && (format != FORMAT_VideoInfo || block.size() < sizeof(VIDEOINFOHEADER)))
        return false;
    t.SetType(s.type);
    t.SetSubtype(subtype);
    t.SetFormatType(format);
    t.bFixedSizeSamples = fixed ? TRUE : FALSE;
    t.bTemporalCompression = temporal ? TRUE : FALSE;
    t.lSampleSize = ULONG(sampleSize);
    return t.SetFormat(block.data(), ULONG(block.size()));
}

// False for a type the runtime does not know, which no writer of profiles makes.
bool ReadProperty(const Attributes& a, SWmStream& s)
{
    uint64_t type = 0;
    std::vector<BYTE> value;
    const std::u16string name = Text(a, "name");
    if (!Number(a, "type", WMT_TYPE_GUID, type)) return false;
    if (s.vault.Count() >= kMaxProperties || name.empty() || !Hex(a, "value", value)) return true;
    s.vault.Set(name.c_str(), WMT_ATTR_DATATYPE(type), value.data(), DWORD(value.size()));
    return true;
}


} // namespace

HRESULT ReadProfileText(const std::u16string& text, SWmProfile& profile)
{
    if (text.size() > kMaxProfileText) return NS_E_INVALID_PROFILE;
    CTextReader reader(text);
    Element element;
    bool found = false;
    SWmProfile read;
    SWmStream stream;
    bool inStream = false, typed = false;
    auto settle = [&] {
        if (!inStream || !typed || read.streams.size() >= kMaxStreams) return;
        for (const SWmStream& s : read.streams)
            if (s.number == stream.number) return;
        read.streams.push_back(stream);
    };
    while (reader.Next(element)) {
        const Attributes& a = element.attributes;
        if (element.name == "profile") {
            if (found) break;
            uint64_t version = 0;
            if (!Number(a, "version", kMaxVersion, version)) return NS_E_INVALID_PROFILE;
            found = true;
            read.version = WMT_VERSION(version);
            read.name = Text(a, "name");
            read.description = Text(a, "description");
        } else if (!found) {
            continue;
        } else if (element.name == "streamconfig") {
            settle();
            stream = SWmStream{};
            typed = false;
            inStream = ReadStream(a, stream);
        } else if (element.name == "wmmediatype" && inStream && !typed) {
            typed = ReadMediaType(a, stream);
        } else if (element.name == "property" && inStream) {
            if (!ReadProperty(a, stream)) return NS_E_INVALID_PROFILE;
        }
    }
    settle();
    if (!found) return NS_E_INVALID_PROFILE;
    profile = std::move(read);
    return S_OK;
}
