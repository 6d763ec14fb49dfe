#pragma once
// Packs one coded DV picture and the sound of its frame into a whole DV frame, through
// the container library's DV writer.
#include <cstdint>
#include <vector>

struct AVFormatContext;
struct AVPacket;
struct DvSystem;

class CDvFramePacker {
public:
    CDvFramePacker() = default;
    ~CDvFramePacker();
    CDvFramePacker(const CDvFramePacker&) = delete;
    CDvFramePacker& operator=(const CDvFramePacker&) = delete;

    // sampleRate 0: frames without sound. False when the system cannot carry that rate.
    bool Open(const DvSystem& system, int sampleRate);
    void Close();
    // The next frame from its picture (one DV frame of the system) and its sound: as many
    // 16-bit stereo samples as the system carries in that frame. Null on failure.
    const std::vector<uint8_t>* Pack(const uint8_t* picture, const uint8_t* sound, int soundBytes);

private:
    static int Write(void* opaque, uint8_t* data, int size);

    AVFormatContext* m_output = nullptr;
    AVPacket* m_packet = nullptr;
    const DvSystem* m_system = nullptr;
    std::vector<uint8_t> m_frame;
    int64_t m_frames = 0;
    int64_t m_samples = 0;
    bool m_hasSound = false;
};
