#include "CId3TagReader.h"

#include "CHandle.h"
#include "CMediaTags.h"
#include "CTagMaps.h"
#include "afx/kernel/CFile.h"

#include <cstring>

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

// The value of a frame by the first letter of its id; only ISO-8859-1 texts are taken.
CString FrameValue(char kind, const BYTE* data, DWORD size, bool genre)
{
    switch (kind) {
    case 'T': {
        if (size == 0 || data[0] != 0) return CString();
        const CString text = Text(data + 1, size - 1);
        return genre ? CId3TagReader::ResolveGenre(text) : text;
    }
    case 'C': {
        if (size <= 4 || data[0] != 0) return CString();
        const BYTE* description = data + 4;
        const DWORD rest = size - 4;
        const void* zero = std::memchr(description, 0, rest);
        if (!zero) return CString();
        const DWORD skipped = static_cast<DWORD>(static_cast<const BYTE*>(zero) - description) + 1;
        return Text(description + skipped, rest - skipped);
    }
    case 'W':
        return Text(data, size);
    default:
        return CString();
    }
}

void AddFrame(const char* id, const char* tag, const BYTE* data, DWORD size, CMediaTags& tags)
{
    tags.AddValue(tag, FrameValue(id[0], data, size, std::strcmp(tag, "TCO") == 0));
}

void WalkVersion22(const BYTE* data, DWORD size, CMediaTags& tags)
{
    const CTagMaps& maps = *CTagMaps::sMaps;
    for (DWORD offset = 0; size - offset >= 6;) {
        char id[4] = {};
        std::memcpy(id, data + offset, 3);
        const DWORD frameSize = BigEndian(data + offset + 3, 3);
        if (frameSize > size - offset - 6) break;
        if (*maps.GetId3Text(id)) AddFrame(id, id, data + offset + 6, frameSize, tags);
        offset += frameSize + 6;
    }
}

void WalkVersion34(int major, const BYTE* header, const BYTE* data, DWORD size, CMediaTags& tags)
{
    const CTagMaps& maps = *CTagMaps::sMaps;
    DWORD offset = 0;
    if (header[5] & 0x40) {
        if (size < 4) return;
        if (major == 3) {
            const DWORD extended = BigEndian(data, 4);
            if (extended > size - 4) return;
            if (extended == 10) {
                const DWORD padding = BigEndian(data + 6, 4);
                if (padding < size) size -= padding;
            }
            offset = 4 + extended;
        } else {
            offset = SynchSafe(data);
        }
        if (offset > size) return;
    }
    // Compressed or encrypted frames cannot be read as they stand.
    const BYTE unreadable = major == 3 ? 0xC0 : 0x0C;
    while (size - offset >= 10) {
        const BYTE* frame = data + offset;
        char id[5] = {};
        std::memcpy(id, frame, 4);
        const DWORD frameSize = major == 3 ? BigEndian(frame + 4, 4) : SynchSafe(frame + 4);
        if (frameSize == 0 || frameSize > size - offset - 10) break;
        const char* tag = maps.GetTagFromId3(id);
        if (!(frame[9] & unreadable) && *tag) AddFrame(id, tag, frame + 10, frameSize, tags);
        offset += frameSize + 10;
    }
}

}  // namespace

DWORD CId3TagReader::Version2Size(const BYTE* header)
{
    if (std::memcmp(header, "ID3", 3) != 0) return 0;
    return SynchSafe(header + 6);
}

void CId3TagReader::ReadVersion2(const BYTE* header, const BYTE* data, DWORD size, CMediaTags& tags)
{
    if (!CTagMaps::sMaps || std::memcmp(header, "ID3", 3) != 0) return;
    switch (header[3]) {
    case 2:
        WalkVersion22(data, size, tags);
        break;
    case 3:
    case 4:
        WalkVersion34(header[3], header, data, size, tags);
        break;
    default:
        break;
    }
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
        // The tag cannot be longer than the rest of the file.
        const ULONGLONG available = length - kHeaderSize;
        DWORD size = Version2Size(header);
        if (size > available) size = static_cast<DWORD>(available);
        CHandle data;
        if (size > 0 && data.Allocate(size, false)) {
            const DWORD read = file.Read(data.GetBuffer(), size);
            ReadVersion2(header, data.GetBuffer(), read, tags);
        }
    }
    if (length < kVersion1Size) return false;
    BYTE tail[kVersion1Size];
    file.Seek(static_cast<LONGLONG>(length - kVersion1Size), CFile::begin);
    if (file.Read(tail, kVersion1Size) != kVersion1Size) return false;
    return ReadVersion1(tail, tags);
}
