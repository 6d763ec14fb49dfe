#pragma once
// "DV Muxer": joins DV video ("Video In", whole DV frames of the 525- or 625-line system)
// and 16-bit stereo PCM at 32, 44.1 or 48 kHz ("Audio In", optional) into DV frames that
// carry both. The "Output" hands the frames on as one interleaved DV stream, timed by
// frame, or as a byte stream for a file writer, each frame at its offset.
#include "dshow/BaseFilter.h"

#include <deque>
#include <memory>
#include <vector>

class CDvFramePacker;
struct DvSystem;
struct SwrContext;

class CDvMultiplexer : public CBaseFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CDvMultiplexer();
    MV_FILTER_UNKNOWN

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    ~CDvMultiplexer() override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;

private:
    CBasePin* VideoIn() const { return PinAt(0); }
    CBasePin* AudioIn() const { return PinAt(1); }
    CBasePin* Output() const { return PinAt(2); }
    const DvSystem* System() const;
    HRESULT Open();
    void Close();
    void AddSound(const uint8_t* data, int size);
    // Makes and hands on every frame whose picture and sound are both here.
    HRESULT Assemble();

    std::mutex m_lock;
    std::unique_ptr<CDvFramePacker> m_packer;
    const DvSystem* m_system = nullptr;
    SwrContext* m_resampler = nullptr; // sound at a rate the system cannot carry
    int m_soundRate = 0;               // of the frames; 0 without sound
    std::deque<std::vector<uint8_t>> m_pictures;
    std::vector<uint8_t> m_sound;
    int64_t m_frames = 0;
    bool m_soundStarted = false;
    bool m_videoEnded = false;
    bool m_audioEnded = false;
    bool m_finished = false;
};

extern const CLSID CLSID_DvMux;
