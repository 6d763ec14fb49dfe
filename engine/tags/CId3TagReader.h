#pragma once
// The ID3 tags of a file: version 2 (2.2, 2.3, 2.4) at its start, then version 1 at its
// end, whose values win. Unsynchronised tags and frames are read as they were before.
#include "CFileTagReader.h"
#include "win32/WinTypes.h"

class CId3TagReader : public CFileTagReader {
public:
    using CFileTagReader::CFileTagReader;

    // True when a version 1 tag was found.
    bool ReadFile(CFile& file, CMediaTags& tags) override;

    static constexpr DWORD kHeaderSize = 10;
    static constexpr DWORD kVersion1Size = 128;
    // A larger tag is walked only this far; frames larger than kMaxFrameSize (pictures,
    // mostly) are passed over unread.
    static constexpr DWORD kMaxTagSize = 64u << 20;
    static constexpr DWORD kMaxFrameSize = 1u << 20;

    // The readers over bytes already read: the version 2 header and the tag data behind
    // it, and the last 128 bytes of the file.
    static void ReadVersion2(const BYTE* header, const BYTE* data, DWORD size, CMediaTags& tags);
    static bool ReadVersion1(const BYTE* tail, CMediaTags& tags);
    // The tag size of a version 2 header; 0 when the bytes are no header.
    static DWORD Version2Size(const BYTE* header);
    // A genre as text, "(17)" or "((...))" forms included, as a known genre name or "".
    static CString ResolveGenre(const char* text);
};
