#pragma once
// The sound device under the default audio output. Write blocks while the device's
// buffer is full, so the caller is paced by playback.
#include <cstddef>
#include <cstdint>
#include <memory>

struct WAVEFORMATEX;

class CAudioDevice {
public:
    virtual ~CAudioDevice() = default;
    virtual bool Open(const WAVEFORMATEX& format) = 0;
    virtual bool Write(const uint8_t* data, size_t bytes) = 0;
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    // Drops what is queued and not yet played.
    virtual void Reset() = 0;
    virtual uint64_t PlayedBytes() = 0;
    virtual void Close() = 0;

    // The device for the default audio output; tests may replace the maker.
    using Maker = std::unique_ptr<CAudioDevice> (*)();
    static std::unique_ptr<CAudioDevice> Make();
    static void SetMaker(Maker maker);
};
