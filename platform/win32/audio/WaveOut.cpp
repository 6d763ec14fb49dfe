#include "win32/audio/WaveOut.h"
#include "win32/kernel/Threads.h"
#include "win32/audio/WaveSink.h"

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>
#include <unordered_set>

struct HWAVEOUT__ {
    std::mutex lock;
    std::condition_variable wake;
    std::deque<WAVEHDR*> queue;
    WAVEHDR* playing = nullptr;
    bool paused = false;
    bool closing = false;
    bool resetRequested = false;
    std::atomic<bool> stop{false};
    std::unique_ptr<MvWaveSink> sink;
    std::thread worker;
    std::thread::id workerId;
    DWORD_PTR callback = 0;
    DWORD_PTR instance = 0;
    DWORD callbackType = CALLBACK_NULL;
};

namespace {

std::atomic<bool> sUseNull{false};
std::mutex sDevicesLock;
std::unordered_set<HWAVEOUT> sDevices;

bool IsOpenDevice(HWAVEOUT device)
{
    std::lock_guard<std::mutex> guard(sDevicesLock);
    return device && sDevices.count(device);
}

void Notify(HWAVEOUT device, UINT message, WAVEHDR* header)
{
    if (device->callbackType == CALLBACK_FUNCTION && device->callback)
        reinterpret_cast<WAVEOUTPROC>(device->callback)(device, message, device->instance, reinterpret_cast<DWORD_PTR>(header), 0);
    else if (device->callbackType == CALLBACK_EVENT && device->callback)
        SetEvent(reinterpret_cast<HANDLE>(device->callback));
}

void MarkDone(WAVEHDR* header)
{
    header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
}

// The device's thread: plays the queued blocks in order and reports each one done.
void Run(HWAVEOUT device)
{
    {
        std::lock_guard<std::mutex> started(device->lock); // the opener has stored this thread's id
    }
    Notify(device, WOM_OPEN, nullptr);
    std::unique_lock<std::mutex> lock(device->lock);
    for (;;) {
        device->wake.wait(lock, [&] {
            return device->closing || device->resetRequested || (!device->paused && !device->queue.empty());
        });
        if (device->resetRequested) {
            std::deque<WAVEHDR*> flushed;
            flushed.swap(device->queue);
            for (WAVEHDR* header : flushed) MarkDone(header);
            device->sink->Drop();
            lock.unlock();
            for (WAVEHDR* header : flushed) Notify(device, WOM_DONE, header);
            lock.lock();
            device->resetRequested = false;
            device->stop = false;
            device->wake.notify_all();
            continue;
        }
        if (device->closing) break;
        WAVEHDR* header = device->queue.front();
        device->queue.pop_front();
        device->playing = header;
        lock.unlock();
        device->sink->Play(header->lpData, header->dwBufferLength, device->stop);
        lock.lock();
        device->playing = nullptr;
        MarkDone(header);
        lock.unlock();
        Notify(device, WOM_DONE, header);
        lock.lock();
        device->wake.notify_all();
    }
    lock.unlock();
    device->sink->Drain();
    Notify(device, WOM_CLOSE, nullptr);
}

bool ValidFormat(const WAVEFORMATEX* f)
{
    if (!f || f->wFormatTag != WAVE_FORMAT_PCM) return false;
    if (f->nChannels < 1 || f->nChannels > 8 || f->nSamplesPerSec < 1000 || f->nSamplesPerSec > 384000) return false;
    if (f->wBitsPerSample != 8 && f->wBitsPerSample != 16 && f->wBitsPerSample != 24 && f->wBitsPerSample != 32) return false;
    return f->nBlockAlign == f->nChannels * f->wBitsPerSample / 8 && f->nAvgBytesPerSec == f->nSamplesPerSec * f->nBlockAlign;
}

std::unique_ptr<MvWaveSink> OpenSink(const WAVEFORMATEX& format)
{
    if (auto capture = MvOpenCaptureSink(format)) return capture;
    const char* audio = std::getenv("MORVANE_AUDIO");
    bool forceNull = sUseNull || (audio && std::strcmp(audio, "null") == 0);
    if (!forceNull)
        if (auto alsa = MvOpenAlsaSink(format)) return alsa;
    return MvOpenNullSink(format);
}

bool OnWorker(HWAVEOUT device) { return std::this_thread::get_id() == device->workerId; }

}

UINT waveOutGetNumDevs() { return 1; }

MMRESULT waveOutOpen(HWAVEOUT* result, UINT deviceId, const WAVEFORMATEX* format, DWORD_PTR callback, DWORD_PTR instance, DWORD flags)
{
    if (deviceId != WAVE_MAPPER && deviceId != 0) return MMSYSERR_BADDEVICEID;
    if (!ValidFormat(format)) return WAVERR_BADFORMAT;
    if (flags & WAVE_FORMAT_QUERY) return MMSYSERR_NOERROR;
    if (!result) return MMSYSERR_INVALPARAM;
    DWORD type = flags & CALLBACK_TYPEMASK;
    if (type != CALLBACK_NULL && type != CALLBACK_FUNCTION && type != CALLBACK_EVENT) return MMSYSERR_INVALFLAG;
    auto device = new HWAVEOUT__;
    device->callback = callback;
    device->instance = instance;
    device->callbackType = type;
    device->sink = OpenSink(*format);
    {
        std::lock_guard<std::mutex> guard(sDevicesLock);
        sDevices.insert(device);
    }
    {
        std::lock_guard<std::mutex> guard(device->lock);
        device->worker = std::thread(Run, device);
        device->workerId = device->worker.get_id();
    }
    *result = device;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutClose(HWAVEOUT device)
{
    if (!IsOpenDevice(device)) return MMSYSERR_INVALHANDLE;
    if (OnWorker(device)) return MMSYSERR_HANDLEBUSY;
    {
        std::lock_guard<std::mutex> guard(device->lock);
        if (device->playing || !device->queue.empty()) return WAVERR_STILLPLAYING;
        device->closing = true;
        device->wake.notify_all();
    }
    device->worker.join();
    {
        std::lock_guard<std::mutex> guard(sDevicesLock);
        sDevices.erase(device);
    }
    delete device;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutPrepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size)
{
    if (!IsOpenDevice(device)) return MMSYSERR_INVALHANDLE;
    if (!header || size < sizeof(WAVEHDR) || (!header->lpData && header->dwBufferLength)) return MMSYSERR_INVALPARAM;
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutUnprepareHeader(HWAVEOUT device, WAVEHDR* header, UINT size)
{
    if (!IsOpenDevice(device)) return MMSYSERR_INVALHANDLE;
    if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
    std::lock_guard<std::mutex> guard(device->lock);
    if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
    header->dwFlags &= ~WHDR_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutWrite(HWAVEOUT device, WAVEHDR* header, UINT size)
{
    if (!IsOpenDevice(device)) return MMSYSERR_INVALHANDLE;
    if (!header || size < sizeof(WAVEHDR)) return MMSYSERR_INVALPARAM;
    std::lock_guard<std::mutex> guard(device->lock);
    if (!(header->dwFlags & WHDR_PREPARED)) return WAVERR_UNPREPARED;
    if (header->dwFlags & WHDR_INQUEUE) return WAVERR_STILLPLAYING;
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    device->queue.push_back(header);
    device->wake.notify_all();
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutReset(HWAVEOUT device)
{
    if (!IsOpenDevice(device)) return MMSYSERR_INVALHANDLE;
    if (OnWorker(device)) return MMSYSERR_HANDLEBUSY;
    std::unique_lock<std::mutex> lock(device->lock);
    device->stop = true;
    device->resetRequested = true;
    device->paused = false;
    device->sink->Interrupt();
    device->wake.notify_all();
    device->wake.wait(lock, [&] { return !device->resetRequested && !device->playing; });
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutPause(HWAVEOUT device)
{
    if (!IsOpenDevice(device)) return MMSYSERR_INVALHANDLE;
    std::lock_guard<std::mutex> guard(device->lock);
    device->paused = true;
    return MMSYSERR_NOERROR;
}

MMRESULT waveOutRestart(HWAVEOUT device)
{
    if (!IsOpenDevice(device)) return MMSYSERR_INVALHANDLE;
    std::lock_guard<std::mutex> guard(device->lock);
    device->paused = false;
    device->wake.notify_all();
    return MMSYSERR_NOERROR;
}

void MvWaveOutUseNullDevice(bool use) { sUseNull = use; }
