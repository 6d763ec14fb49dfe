// Tagged files from outside, read as files: the version 2 tag is read from the file piece by
// piece, whatever sizes and flags it announces, and the version 1 tag from its end.
#include "CId3TagReader.h"
#include "CMediaTags.h"
#include "CTagMaps.h"
#include "win32/TestHome.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

const std::string& TagFile()
{
    static MvTestHome home;
    static const std::string path = home.Path() + "/tagged.mp3";
    return path;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CTagMaps maps;
    std::ofstream(TagFile(), std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    CMediaTags tags;
    CId3TagReader reader(TagFile().c_str());
    reader.Read(tags);
    return 0;
}
