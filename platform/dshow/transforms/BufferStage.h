#pragma once
// "Buffer" / "Double Buffer": takes samples on the upstream thread into a bounded queue and
// hands them on from a thread of its own, so a slow consumer does not hold up the source
// beyond the queue's size.
#include "dshow/transforms/PassThroughFilter.h"

#include <condition_variable>
#include <deque>
#include <thread>
#include <vector>

class CBufferStage : public CPassThroughFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CBufferStage();

    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    ~CBufferStage() override;
    HRESULT OnPause() override;
    HRESULT OnStop() override;

private:
    struct Item {
        std::vector<BYTE> data;
        MediaSample sample;
        bool end = false;
    };

    void Work();
    void Quit();

    std::mutex m_queueLock;
    std::condition_variable m_changed;
    std::deque<Item> m_queue;
    size_t m_bytes = 0;
    bool m_quit = false;
    HRESULT m_failed = S_OK;
    std::thread m_worker;
};
