#include "dshow/transforms/BufferStage.h"

#include "dshow/BasePin.h"
#include "dshow/transforms/TransformIds.h"

namespace {
constexpr size_t kMaxItems = 256;
constexpr size_t kMaxBytes = 16u << 20;
} // namespace

HRESULT CBufferStage::Create(REFIID iid, void** object) { return CreateComObject<CBufferStage>(iid, object); }

CBufferStage::CBufferStage() : CPassThroughFilter(CLSID_BufferFilter) {}

CBufferStage::~CBufferStage() { Quit(); }

HRESULT CBufferStage::OnPause()
{
    if (State() != State_Stopped) return S_OK;
    Quit();
    std::lock_guard lock(m_queueLock);
    m_quit = false;
    m_failed = S_OK;
    m_worker = std::thread([this] { Work(); });
    return S_OK;
}

HRESULT CBufferStage::OnStop()
{
    Quit();
    return S_OK;
}

void CBufferStage::Quit()
{
    {
        std::lock_guard lock(m_queueLock);
        m_quit = true;
        m_queue.clear();
        m_bytes = 0;
    }
    m_changed.notify_all();
    if (m_worker.joinable()) m_worker.join();
}

HRESULT CBufferStage::Receive(CBasePin*, const MediaSample& sample)
{
    std::unique_lock lock(m_queueLock);
    m_changed.wait(lock, [&] { return m_quit || FAILED(m_failed) || (m_queue.size() < kMaxItems && m_bytes < kMaxBytes); });
    if (FAILED(m_failed)) return m_failed;
    if (m_quit) return VFW_E_WRONG_STATE;
    Item item;
    if (sample.size > 0) item.data.assign(sample.data, sample.data + sample.size);
    item.sample = sample;
    m_bytes += item.data.size();
    m_queue.push_back(std::move(item));
    m_changed.notify_all();
    return S_OK;
}

HRESULT CBufferStage::EndOfStream(CBasePin*)
{
    {
        std::lock_guard lock(m_queueLock);
        if (m_quit) return S_OK;
        Item end;
        end.end = true;
        m_queue.push_back(std::move(end));
    }
    m_changed.notify_all();
    return S_OK;
}

void CBufferStage::Work()
{
    for (;;) {
        Item item;
        {
            std::unique_lock lock(m_queueLock);
            m_changed.wait(lock, [&] { return m_quit || !m_queue.empty(); });
            if (m_quit) return;
            item = std::move(m_queue.front());
            m_queue.pop_front();
            m_bytes -= item.data.size();
        }
        m_changed.notify_all();
        HRESULT hr;
        if (item.end) {
            hr = Output()->IsConnected() ? Output()->DeliverEndOfStream() : S_OK;
        } else {
            item.sample.data = item.data.data();
            hr = Pass(item.sample);
        }
        if (FAILED(hr)) {
            // Upstream learns of it at its next sample.
            std::lock_guard lock(m_queueLock);
            m_failed = hr;
            m_queue.clear();
            m_bytes = 0;
            m_changed.notify_all();
        }
    }
}
