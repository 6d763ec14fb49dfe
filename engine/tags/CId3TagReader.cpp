#include "CId3TagReader.h"

#include "CId3Stream.h"
#include "CMediaTags.h"
#include "CTagMaps.h"
#include "afx/kernel/CFile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

DWORD BigEndian(const BYTE* p, int count)
{
    DWORD value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | p[i];
    return value;
}

DWORD SynchSafe(const BYTE* p)
{
    return (DWORD(p[0] & 0x7F) << 21) | (DWORD(p[1] & 0x7F) << 14) | (DWORD(p[2] & 0x7F) << 7) | DWORD(p[3] & 0x7F);
}

// Up to count bytes, ending at the first zero.
CString Text(const BYTE* p, DWORD count)
{
    const void* zero = std::memchr(p, 0, count);
    const DWORD length = zero ? static_cast<DWORD>(static_cast<const BYTE*>(zero) - p) : count;
    return CString(reinterpret_cast<const char*>(p), static_cast<int>(length));
}

// Text encodings of text and comment frames.
constexpr BYTE kIso88591 = 0, kUtf16 = 1, kUtf16BigEndian = 2;

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// UTF-16 units up to the first zero unit, as UTF-8. Encoding 1 starts with its byte-order
// mark (none: no text); encoding 2 is big-endian without one.
CString Utf16Text(const BYTE* p, DWORD count, bool bigEndian)
{
    DWORD at = 0;
    if (!bigEndian) {
        if (count < 2 || !((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) return CString();
        bigEndian = p[0] == 0xFE;
        at = 2;
    }
    auto unit = [&](DWORD i) { return char16_t(bigEndian ? (p[i] << 8 | p[i + 1]) : (p[i + 1] << 8 | p[i])); };
    std::string text;
    for (; at + 1 < count; at += 2) {
        const char16_t u = unit(at);
        if (u == 0) break;
        if (u >= 0xD800 && u < 0xDC00 && at + 3 < count && unit(at + 2) >= 0xDC00 && unit(at + 2) < 0xE000) {
            AppendUtf8(text, 0x10000 + (char32_t(u - 0xD800) << 10) + (unit(at + 2) - 0xDC00));
            at += 2;
        } else {
            AppendUtf8(text, u >= 0xD800 && u < 0xE000 ? 0xFFFD : u);
        }
    }
    return CString(text.c_str(), static_cast<int>(text.size()));
}

// A string of the encoding, up to its terminator; ISO-8859-1 bytes are taken as they stand.
CString EncodedText(BYTE encoding, const BYTE* p, DWORD count)
{
    if (encoding == kIso88591) return Text(p, count);
    return Utf16Text(p, count, encoding == kUtf16BigEndian);
}

// Where the string after a terminated one starts: past one zero byte, or past two on a
// unit boundary in UTF-16; count when there is no terminator.
DWORD AfterTerminator(BYTE encoding, const BYTE* p, DWORD count)
{
    if (encoding == kIso88591) {
        const void* zero = std::memchr(p, 0, count);
        return zero ? static_cast<DWORD>(static_cast<const BYTE*>(zero) - p) + 1 : count;
    }
    for (DWORD at = 0; at + 1 < count; at += 2)
        if (p[at] == 0 && p[at + 1] == 0) return at + 2;
    return count;
}

bool Readable(BYTE encoding) { return encoding == kIso88591 || encoding == kUtf16 || encoding == kUtf16BigEndian; }

// The value of a frame by the first letter of its id. Texts in ISO-8859-1 and UTF-16 are
// taken (the files the engine writes carry both); UTF-8 is not.
CString FrameValue(char kind, const BYTE* data, DWORD size, bool genre)
{
    switch (kind) {
    case 'T': {
        if (size == 0 || !Readable(data[0])) return CString();
        const CString text = EncodedText(data[0], data + 1, size - 1);
        return genre ? CId3TagReader::ResolveGenre(text) : text;
    }
    case 'C': {
        if (size <= 4 || !Readable(data[0])) return CString();
        const BYTE* description = data + 4;
        const DWORD rest = size - 4;
        const DWORD skipped = AfterTerminator(data[0], description, rest);
        if (skipped >= rest) return CString();
        return EncodedText(data[0], description + skipped, rest - skipped);
    }
    case 'W':
        return Text(data, size);
    default:
        return CString();
    }
}

void AddFrame(const char* id, const char* tag, const BYTE* data, DWORD size, CMediaTags& tags)
{
    static const BYTE kNothing = 0;
    if (size == 0) data = &kNothing;
    tags.AddValue(tag, FrameValue(id[0], data, size, std::strcmp(tag, "TCO") == 0));
}

// A frame's data, read only when it is one to keep and of a sane size; otherwise skipped.
bool ReadBody(CId3Stream& stream, DWORD size, bool wanted, std::vector<BYTE>& body)
{
    if (!wanted || size > CId3TagReader::kMaxFrameSize) {
        body.clear();
        return stream.Skip(size);
    }
    body.resize(size);
    return stream.Read(body.data(), size);
}

void WalkVersion22(CId3Stream& stream, CMediaTags& tags)
{
    const CTagMaps& maps = *CTagMaps::sMaps;
    std::vector<BYTE> body;
    BYTE head[6];
    while (stream.Left() >= 6 && stream.Read(head, 6)) {
        char id[4] = {};
        std::memcpy(id, head, 3);
        const DWORD frameSize = BigEndian(head + 3, 3);
        if (frameSize > stream.Left()) break;
        const bool wanted = *maps.GetId3Text(id);
        if (!ReadBody(stream, frameSize, wanted, body)) break;
        if (wanted && frameSize <= CId3TagReader::kMaxFrameSize) AddFrame(id, id, body.data(), frameSize, tags);
    }
}

// Skips the extended header; false when it does not fit the tag.
bool SkipExtendedHeader(int major, CId3Stream& stream)
{
    BYTE size[4];
    if (!stream.Read(size, 4)) return false;
    if (major == 3) {
        const DWORD extended = BigEndian(size, 4);
        if (extended > stream.Left()) return false;
        if (extended != 10) return stream.Skip(extended);
        BYTE rest[10];
        if (!stream.Read(rest, 10)) return false;
        stream.DropTail(BigEndian(rest + 2, 4));
        return true;
    }
    // Version 2.4 counts the size field in.
    const DWORD extended = SynchSafe(size);
    return extended >= 4 && extended - 4 <= stream.Left() && stream.Skip(extended - 4);
}

void WalkVersion34(int major, const BYTE* header, CId3Stream& stream, CMediaTags& tags)
{
    const CTagMaps& maps = *CTagMaps::sMaps;
    if ((header[5] & 0x40) && !SkipExtendedHeader(major, stream)) return;
    // Compressed or encrypted frames cannot be read as they stand.
    const BYTE unreadable = major == 3 ? 0xC0 : 0x0C;
    std::vector<BYTE> body;
    BYTE frame[10];
    while (stream.Left() >= 10 && stream.Read(frame, 10)) {
        char id[5] = {};
        std::memcpy(id, frame, 4);
        const DWORD frameSize = major == 3 ? BigEndian(frame + 4, 4) : SynchSafe(frame + 4);
        if (frameSize == 0 || frameSize > stream.Left()) break;
        const char* tag = maps.GetTagFromId3(id);
        const bool wanted = !(frame[9] & unreadable) && *tag;
        if (!ReadBody(stream, frameSize, wanted, body)) break;
        if (body.empty()) continue;
        DWORD size = frameSize;
        BYTE* data = body.data();
        if (major == 4) {
            // Unsynchronised frame by frame, all of them when the header says so.
            if ((frame[9] & 0x02) || (header[5] & 0x80)) size = CId3Stream::Resynchronise(data, size);
            const DWORD skipped = ((frame[9] & 0x40) ? 1 : 0) + ((frame[9] & 0x01) ? 4 : 0);
            if (skipped > size) continue;
            data += skipped;
            size -= skipped;
        }
        AddFrame(id, tag, data, size, tags);
    }
}

void Walk(const BYTE* header, CId3Stream& stream, CMediaTags& tags)
{
    if (!CTagMaps::sMaps || std::memcmp(header, "ID3", 3) != 0) return;
    switch (header[3]) {
    case 2:
        WalkVersion22(stream, tags);
        break;
    case 3:
    case 4:
        WalkVersion34(header[3], header, stream, tags);
        break;
    default:
        break;
    }
}

// Versions 2.2 and 2.3 unsynchronise the whole tag; 2.4 does it frame by frame.
bool WholeTagUnsynchronised(const BYTE* header) { return header[3] < 4 && (header[5] & 0x80); }

}  // namespace

DWORD CId3TagReader::Version2Size(const BYTE* header)
{
    if (std::memcmp(header, "ID3", 3) != 0) return 0;
    return SynchSafe(header + 6);
}

void CId3TagReader::ReadVersion2(const BYTE* header, const BYTE* data, DWORD size, CMediaTags& tags)
{
    CId3Stream stream(data, size, WholeTagUnsynchronised(header));
    Walk(header, stream, tags);
}

bool CId3TagReader::ReadVersion1(const BYTE* tail, CMediaTags& tags)
{
    if (std::memcmp(tail, "TAG", 3) != 0) return false;
    tags.AddValue("TT2", Text(tail + 3, 30));
    tags.AddValue("TP1", Text(tail + 33, 30));
    tags.AddValue("TAL", Text(tail + 63, 30));
    tags.AddValue("TYE", Text(tail + 93, 4));
    const CString comment = Text(tail + 97, 30);
    tags.AddValue("COM", comment);
    char number[8];
    if (comment.GetLength() <= 28) {
        std::snprintf(number, sizeof number, "%d", tail[126]);
        tags.AddValue("TRK", number);
    }
    if (CTagMaps::sMaps) {
        std::snprintf(number, sizeof number, "%d", tail[127]);
        const char* genre = CTagMaps::sMaps->GetGenre(number);
        if (*genre) tags.AddValue("TCO", genre);
    }
    return true;
}

CString CId3TagReader::ResolveGenre(const char* text)
{
    if (!CTagMaps::sMaps || !text) return CString();
    const CTagMaps& maps = *CTagMaps::sMaps;
    CString rest(text);
    for (;;) {
        const int open = rest.Find('(');
        if (open < 0) return *maps.GetGenreId(rest) ? rest : CString();
        if (rest.GetAt(open + 1) != '(') {
            const int close = rest.Find(')', open + 1);
            if (close < 0) return CString();
            return CString(maps.GetGenre(rest.Mid(open + 1, close - open - 1)));
        }
        const int end = rest.Find("))", open + 2);
        if (end < 0) return CString();
        rest = rest.Mid(end + 2);
    }
}

bool CId3TagReader::ReadFile(CFile& file, CMediaTags& tags)
{
    const ULONGLONG length = file.GetLength();
    BYTE header[kHeaderSize];
    file.SeekToBegin();
    if (file.Read(header, kHeaderSize) == kHeaderSize) {
        // The tag cannot be longer than the rest of the file, and is read frame by frame.
        const ULONGLONG available = length - kHeaderSize;
        DWORD size = std::min(Version2Size(header), kMaxTagSize);
        if (size > available) size = static_cast<DWORD>(available);
        CId3Stream stream(file, size, WholeTagUnsynchronised(header));
        Walk(header, stream, tags);
    }
    if (length < kVersion1Size) return false;
    BYTE tail[kVersion1Size];
    file.Seek(static_cast<LONGLONG>(length - kVersion1Size), CFile::begin);
    if (file.Read(tail, kVersion1Size) != kVersion1Size) return false;
    return ReadVersion1(tail, tags);
}
