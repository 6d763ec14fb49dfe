// A record of the system's kind with every setting taken from the input, then the rest of
// the input as PCM in chunks of the sizes the input gives.
#include "LameEnc.h"

#include <algorithm>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BE_CONFIG config{};
    if (size) std::memcpy(&config, data, std::min(size, sizeof(config)));
    // Kind, version and size right, so the settings themselves are what is tried.
    config.dwConfig = BE_CONFIG_LAME;
    config.format.LHV1.dwStructVersion = CURRENT_STRUCT_VERSION;
    config.format.LHV1.dwStructSize = CURRENT_STRUCT_SIZE;
    size_t pos = std::min(size, sizeof(config));
    DWORD samples = 0, bufferSize = 0;
    HBE_STREAM stream = 0;
    if (beInitStream(&config, &samples, &bufferSize, &stream) != BE_ERR_SUCCESSFUL) return 0;
    std::vector<uint8_t> out(bufferSize);
    std::vector<SHORT> pcm;
    DWORD written = 0;
    while (size - pos >= 2) {
        // A count up to a little past one chunk, so the refusal of too long a chunk is tried too.
        DWORD count = static_cast<DWORD>(data[pos] | data[pos + 1] << 8) % (samples + 3);
        pos += 2;
        size_t bytes = std::min<size_t>(size - pos, count * sizeof(SHORT));
        pcm.assign(count, 0);
        if (bytes) std::memcpy(pcm.data(), data + pos, bytes);
        pos += bytes;
        beEncodeChunk(stream, count, pcm.data(), out.data(), &written);
    }
    beDeinitStream(stream, out.data(), &written);
    beCloseStream(stream);
    return 0;
}
