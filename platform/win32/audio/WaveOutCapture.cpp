#include "win32/audio/WaveSink.h"

#include <mutex>

namespace {

struct Record {
    WAVEFORMATEX format{};
    std::string bytes;
    std::vector<size_t> blocks;
    int opens = 0;
};

std::mutex sLock;
std::shared_ptr<Record> sActive;

class CaptureSink : public MvWaveSink {
public:
    explicit CaptureSink(std::shared_ptr<Record> record) : m_record(std::move(record)) {}
    void Play(const char* bytes, size_t size, const std::atomic<bool>&) override
    {
        std::lock_guard<std::mutex> guard(sLock);
        m_record->bytes.append(bytes, size);
        m_record->blocks.push_back(size);
    }

private:
    std::shared_ptr<Record> m_record;
};

Record Snapshot()
{
    std::lock_guard<std::mutex> guard(sLock);
    return sActive ? *sActive : Record();
}

}

std::unique_ptr<MvWaveSink> MvOpenCaptureSink(const WAVEFORMATEX& format)
{
    std::lock_guard<std::mutex> guard(sLock);
    if (!sActive) return nullptr;
    sActive->format = format;
    ++sActive->opens;
    return std::make_unique<CaptureSink>(sActive);
}

MvWaveOutCapture::MvWaveOutCapture()
{
    std::lock_guard<std::mutex> guard(sLock);
    sActive = std::make_shared<Record>();
}

MvWaveOutCapture::~MvWaveOutCapture()
{
    std::lock_guard<std::mutex> guard(sLock);
    sActive.reset();
}

WAVEFORMATEX MvWaveOutCapture::Format() const { return Snapshot().format; }
std::string MvWaveOutCapture::Bytes() const { return Snapshot().bytes; }
std::vector<size_t> MvWaveOutCapture::BlockSizes() const { return Snapshot().blocks; }
int MvWaveOutCapture::OpenCount() const { return Snapshot().opens; }
