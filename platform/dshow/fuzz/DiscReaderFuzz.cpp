// Feeds arbitrary bytes to the disc readers: as a track file through the WAVE track reader
// (every piece read), and as DVD program stream packs through the pack splitter. Every
// payload must lie inside its pack.
#include "dshow/discs/DvdNavigator.h"
#include "dshow/discs/TrackReader.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
constexpr size_t kPackSize = 2048;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!data) return 0;
    for (size_t at = 0; at < size; at += kPackSize) {
        const size_t length = size - at < kPackSize ? size - at : kPackSize;
        for (int audio : {0x80, 0xA0, 0xC0})
            for (const CDvdNavigator::Payload& p : CDvdNavigator::SplitPack(data + at, length, audio))
                if (p.data < data + at || p.data + p.size > data + at + length) std::abort();
    }
    char path[] = "/tmp/mvdshow_disc_fuzz_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return 0;
    const bool written = write(fd, data, size) == ssize_t(size);
    close(fd);
    if (written) {
        if (auto reader = CTrackReader::OpenWave(path)) {
            std::vector<BYTE> bytes;
            while (reader->Read(bytes) && bytes.size() <= reader->Length()) {
            }
            if (bytes.size() > reader->Length() || reader->Length() > size) std::abort();
        }
    }
    std::remove(path);
    return 0;
}
