// ID3 tags from outside files: the version 2 walk over the bytes after a 10-byte header,
// version 1 over the last 128 bytes, and genre texts.
#include "CId3TagReader.h"
#include "CMediaTags.h"
#include "CTagMaps.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CTagMaps maps;
    CMediaTags tags;
    if (size >= CId3TagReader::kHeaderSize) {
        CId3TagReader::ReadVersion2(data, data + CId3TagReader::kHeaderSize,
                                    static_cast<DWORD>(size - CId3TagReader::kHeaderSize), tags);
    }
    if (size >= CId3TagReader::kVersion1Size)
        CId3TagReader::ReadVersion1(data + size - CId3TagReader::kVersion1Size, tags);
    const std::string text(reinterpret_cast<const char*>(data), size);
    CId3TagReader::ResolveGenre(text.c_str());
    return 0;
}
