#pragma once
// Plays PCM through wave-out. It keeps a few blocks queued and holds the streaming
// thread while the queue is full, so a graph with it runs at playing speed; it
// reports completion once the last block has played.
#include "dshow/SinkFilter.h"

#include <condition_variable>
#include <deque>
#include <memory>

struct WAVEHDR;

class CAudioRenderer : public CSinkFilter, public IBasicAudio {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAudioRenderer();
    MV_FILTER_UNKNOWN

    HRESULT put_Volume(LONG volume) override;
    HRESULT get_Volume(LONG* volume) override;
    HRESULT put_Balance(LONG balance) override;
    HRESULT get_Balance(LONG* balance) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

    // Called from the device when a block has played.
    void BlockDone(WAVEHDR* header);

protected:
    ~CAudioRenderer() override;
    void* FindInterface(REFIID iid) override;
    HRESULT OnPause() override;
    HRESULT OnRun() override;
    HRESULT OnStop() override;

private:
    struct Block;
    void CloseDevice();

    void* m_device = nullptr; // HWAVEOUT
    std::mutex m_queueLock;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<Block>> m_blocks;
    bool m_stopping = false;
    std::atomic<LONG> m_volume{0};
    std::atomic<LONG> m_balance{0};
};

extern const CLSID CLSID_AudioRender;
