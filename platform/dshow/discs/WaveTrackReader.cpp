// A PCM WAVE file as a track: every chunk length is bounded by the file's size.
#include "dshow/discs/TrackReader.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

constexpr size_t kPiece = 16384;

uint32_t Le32(const BYTE* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t Le16(const BYTE* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

class CWaveTrackReader : public CTrackReader {
public:
    bool Open(const std::string& path)
    {
        m_file.open(path, std::ios::binary);
        if (!m_file) return false;
        m_file.seekg(0, std::ios::end);
        const uint64_t size = uint64_t(std::max<std::streamoff>(0, m_file.tellg()));
        m_file.seekg(0);
        BYTE header[12];
        if (size < 12 || !m_file.read(reinterpret_cast<char*>(header), 12)) return false;
        if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) return false;
        bool haveFormat = false;
        for (uint64_t at = 12; at + 8 <= size;) {
            BYTE chunk[8];
            m_file.seekg(std::streamoff(at));
            if (!m_file.read(reinterpret_cast<char*>(chunk), 8)) return false;
            const uint64_t length = Le32(chunk + 4);
            const uint64_t body = at + 8;
            if (std::memcmp(chunk, "fmt ", 4) == 0) {
                BYTE format[16];
                if (length < 16 || body + 16 > size || !m_file.read(reinterpret_cast<char*>(format), 16)) return false;
                m_channels = Le16(format + 2);
                m_rate = Le32(format + 4);
                m_bits = Le16(format + 14);
                haveFormat = Le16(format) == 1 && m_channels >= 1 && m_channels <= 8 && m_rate >= 1000 &&
                             m_rate <= 384000 && (m_bits == 8 || m_bits == 16);
                if (!haveFormat) return false;
            } else if (std::memcmp(chunk, "data", 4) == 0) {
                if (!haveFormat) return false;
                m_start = body;
                // A header announcing more than the file holds plays what it holds.
                m_length = std::min(length, size - body);
                m_length -= m_length % BlockAlign();
                return m_length > 0;
            }
            at = body + length + (length & 1);
        }
        return false;
    }
    DWORD SampleRate() const override { return m_rate; }
    WORD Channels() const override { return m_channels; }
    WORD BitsPerSample() const override { return m_bits; }
    uint64_t Length() const override { return m_length; }
    bool Seek(uint64_t offset) override
    {
        m_position = std::min(offset - offset % BlockAlign(), m_length);
        m_file.clear();
        return bool(m_file.seekg(std::streamoff(m_start + m_position)));
    }
    bool Read(std::vector<BYTE>& bytes) override
    {
        const size_t count = size_t(std::min<uint64_t>(kPiece - kPiece % BlockAlign(), m_length - m_position));
        if (count == 0) return false;
        const size_t old = bytes.size();
        bytes.resize(old + count);
        if (!m_file.read(reinterpret_cast<char*>(bytes.data() + old), std::streamsize(count))) {
            bytes.resize(old);
            return false;
        }
        m_position += count;
        return true;
    }

private:
    std::ifstream m_file;
    uint64_t m_start = 0;
    uint64_t m_length = 0;
    uint64_t m_position = 0;
    DWORD m_rate = 0;
    WORD m_channels = 0;
    WORD m_bits = 0;
};

} // namespace

std::unique_ptr<CTrackReader> CTrackReader::OpenWave(const std::string& path)
{
    auto reader = std::make_unique<CWaveTrackReader>();
    if (!reader->Open(path)) return nullptr;
    return reader;
}
