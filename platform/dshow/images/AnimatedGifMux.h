#pragma once
// Makes one animated GIF of the GIF pictures it takes on "Video In", each shown until the
// next one's time, and hands the file's bytes on as a byte stream whose samples carry their
// file offset, for a file writer. It loops for ever unless told to play once.
#include "dshow/BaseFilter.h"
#include "dshow/images/ImageInterfaces.h"

#include <atomic>

struct AVFormatContext;
struct AVPacket;

class CAnimatedGifMux : public CBaseFilter, public IAnimatedGifSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAnimatedGifMux();
    MV_FILTER_UNKNOWN

    HRESULT SetLoop(BYTE loop) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

    int WriteBytes(const uint8_t* data, int size);

protected:
    ~CAnimatedGifMux() override;
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;

private:
    HRESULT Open();
    HRESULT WriteHeader();
    void Close();
    CBasePin* Output() const { return PinAt(1); }

    std::mutex m_muxLock;
    AVFormatContext* m_output = nullptr;
    AVPacket* m_packet = nullptr;
    bool m_headerWritten = false;
    bool m_finished = false;
    int64_t m_position = 0;
    std::atomic<bool> m_loop{true};
};
