#include "win32/kernel/Threads.h"
#include "win32/audio/WaveOut.h"

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <gtest/gtest.h>
#include <vector>

namespace {

WAVEFORMATEX Pcm(WORD channels, WORD bits, DWORD rate)
{
    WORD align = static_cast<WORD>(channels * bits / 8);
    return {WAVE_FORMAT_PCM, channels, rate, rate * align, align, bits, 0};
}

struct Listener {
    std::atomic<int> opens{0}, dones{0}, closes{0};
};

void Callback(HWAVEOUT device, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR)
{
    auto* listener = reinterpret_cast<Listener*>(instance);
    if (message == WOM_OPEN) ++listener->opens;
    if (message == WOM_CLOSE) ++listener->closes;
    if (message == WOM_DONE) {
        auto* header = reinterpret_cast<WAVEHDR*>(param1);
        EXPECT_TRUE(header->dwFlags & WHDR_DONE);
        // Unpreparing from the callback is allowed here.
        EXPECT_EQ(MMSYSERR_NOERROR, waveOutUnprepareHeader(device, header, sizeof(WAVEHDR)));
        ++listener->dones;
    }
}

void WaitFor(const std::atomic<int>& counter, int value)
{
    for (int i = 0; i < 500 && counter < value; ++i) Sleep(10);
}

}

TEST(WaveOut, RejectsFormatsThatDoNotAddUp)
{
    WAVEFORMATEX good = Pcm(2, 16, 44100);
    EXPECT_EQ(MMSYSERR_NOERROR, waveOutOpen(nullptr, WAVE_MAPPER, &good, 0, 0, WAVE_FORMAT_QUERY));
    WAVEFORMATEX badAlign = good;
    badAlign.nBlockAlign = 3;
    WAVEFORMATEX badBits = Pcm(2, 12, 44100);
    WAVEFORMATEX notPcm = good;
    notPcm.wFormatTag = 2;
    for (const WAVEFORMATEX& f : {badAlign, badBits, notPcm}) {
        HWAVEOUT device = nullptr;
        EXPECT_EQ(WAVERR_BADFORMAT, waveOutOpen(&device, WAVE_MAPPER, &f, 0, 0, CALLBACK_NULL));
    }
    HWAVEOUT device = nullptr;
    EXPECT_EQ(MMSYSERR_BADDEVICEID, waveOutOpen(&device, 5, &good, 0, 0, CALLBACK_NULL));
}

TEST(WaveOut, TheCaptureDeviceRecordsEveryBlockInOrder)
{
    MvWaveOutCapture capture;
    Listener listener;
    WAVEFORMATEX format = Pcm(1, 8, 8000);
    HWAVEOUT device = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(Callback),
                                            reinterpret_cast<DWORD_PTR>(&listener), CALLBACK_FUNCTION));
    char first[] = "abc", second[] = "defgh";
    WAVEHDR a{first, 3, 0, 0, 0, 0, nullptr, 0}, b{second, 5, 0, 0, 0, 0, nullptr, 0};
    EXPECT_EQ(WAVERR_UNPREPARED, waveOutWrite(device, &a, sizeof(a)));
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutPrepareHeader(device, &a, sizeof(a)));
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutPrepareHeader(device, &b, sizeof(b)));
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutWrite(device, &a, sizeof(a)));
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutWrite(device, &b, sizeof(b)));
    WaitFor(listener.dones, 2);
    EXPECT_EQ(2, listener.dones.load());
    EXPECT_EQ(MMSYSERR_NOERROR, waveOutClose(device));
    EXPECT_EQ(1, listener.opens.load());
    EXPECT_EQ(1, listener.closes.load());
    EXPECT_EQ("abcdefgh", capture.Bytes());
    EXPECT_EQ((std::vector<size_t>{3, 5}), capture.BlockSizes());
    EXPECT_EQ(8000u, capture.Format().nSamplesPerSec);
    EXPECT_EQ(MMSYSERR_INVALHANDLE, waveOutClose(device));
}

TEST(WaveOut, TheNullDeviceTakesBlocksAtTheRateTheyPlay)
{
    MvWaveOutUseNullDevice(true);
    WAVEFORMATEX format = Pcm(1, 16, 8000); // 16000 bytes a second
    HANDLE done = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    HWAVEOUT device = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done), 0, CALLBACK_EVENT));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done, 30000)); // the open, so that the next signal is the block
    std::vector<char> samples(3200); // 0.2 s
    WAVEHDR header{samples.data(), 3200, 0, 0, 0, 0, nullptr, 0};
    waveOutPrepareHeader(device, &header, sizeof(header));
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutWrite(device, &header, sizeof(header)));
    EXPECT_EQ(WAVERR_STILLPLAYING, waveOutClose(device));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done, 30000));
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(180));
    EXPECT_TRUE(header.dwFlags & WHDR_DONE);
    EXPECT_EQ(MMSYSERR_NOERROR, waveOutUnprepareHeader(device, &header, sizeof(header)));
    EXPECT_EQ(MMSYSERR_NOERROR, waveOutClose(device));
    CloseHandle(done);
    MvWaveOutUseNullDevice(false);
}

TEST(WaveOut, ResetReportsEveryQueuedBlockDoneAtOnce)
{
    MvWaveOutUseNullDevice(true);
    Listener listener;
    WAVEFORMATEX format = Pcm(1, 8, 8000);
    HWAVEOUT device = nullptr;
    ASSERT_EQ(MMSYSERR_NOERROR, waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(Callback),
                                            reinterpret_cast<DWORD_PTR>(&listener), CALLBACK_FUNCTION));
    std::vector<char> samples(8000 * 600); // ten minutes each
    WAVEHDR headers[3];
    for (auto& h : headers) {
        h = {samples.data(), static_cast<DWORD>(samples.size()), 0, 0, 0, 0, nullptr, 0};
        waveOutPrepareHeader(device, &h, sizeof(h));
        waveOutWrite(device, &h, sizeof(h));
    }
    // A reset that played the blocks out would take half an hour.
    std::promise<MMRESULT> reset;
    std::future<MMRESULT> result = reset.get_future();
    std::thread resetter([&] { reset.set_value(waveOutReset(device)); });
    ASSERT_EQ(std::future_status::ready, result.wait_for(std::chrono::seconds(60))) << "the reset waits for the sound";
    resetter.join();
    EXPECT_EQ(MMSYSERR_NOERROR, result.get());
    EXPECT_EQ(3, listener.dones.load());
    for (auto& h : headers) EXPECT_FALSE(h.dwFlags & WHDR_INQUEUE);
    EXPECT_EQ(MMSYSERR_NOERROR, waveOutClose(device));
    MvWaveOutUseNullDevice(false);
}
