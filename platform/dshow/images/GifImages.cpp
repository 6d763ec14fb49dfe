#include "dshow/images/GifImages.h"

#include <cstring>

size_t CGifImages::HeaderLength(const uint8_t* data, size_t size)
{
    // "GIF8?a", the screen descriptor, and the global palette when its flag is set.
    constexpr size_t kScreen = 13;
    if (!data || size < kScreen || std::memcmp(data, "GIF8", 4) != 0) return 0;
    const uint8_t flags = data[10];
    const size_t length = kScreen + ((flags & 0x80) ? size_t(3) << ((flags & 7) + 1) : 0);
    return length <= size ? length : 0;
}

bool CGifImages::MakeFile(const uint8_t* data, size_t size, std::vector<uint8_t>& file)
{
    if (!data || size == 0) return false;
    if (const size_t header = HeaderLength(data, size)) {
        m_header.assign(data, data + header);
        file.assign(data, data + size);
    } else {
        if (m_header.empty()) return false;
        file.assign(m_header.begin(), m_header.end());
        file.insert(file.end(), data, data + size);
    }
    // Picture data ends with an empty sub-block; the file with the trailer after it.
    if (file.back() == 0x00) file.push_back(0x3B);
    return true;
}
