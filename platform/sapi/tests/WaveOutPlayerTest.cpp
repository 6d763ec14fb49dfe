#include "sapi/WaveOutPlayer.h"
#include "win32/TestThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

TEST(WaveOutPlayer, PlaysBlocksInOrderAndCountsThemPlayed)
{
    MvWaveOutCapture capture;
    CWaveOutPlayer player;
    WAVEFORMATEX f{WAVE_FORMAT_PCM, 1, 8000, 16000, 2, 16, 0};
    ASSERT_TRUE(player.Open(f));
    const std::string a = "abcd", b = "efghij";
    ASSERT_TRUE(player.Write(reinterpret_cast<const uint8_t*>(a.data()), a.size()));
    ASSERT_TRUE(player.Write(reinterpret_cast<const uint8_t*>(b.data()), b.size()));
    for (int i = 0; i < 6000 && player.PlayedBytes() < 10; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(10u, player.PlayedBytes());
    player.Close();
    EXPECT_EQ("abcdefghij", capture.Bytes());
    EXPECT_EQ(16000u, capture.Format().nAvgBytesPerSec);
}

TEST(WaveOutPlayer, AResetReleasesAWriterWaitingOnAPausedDevice)
{
    MvWaveOutUseNullDevice(true);
    CWaveOutPlayer player(50);
    WAVEFORMATEX f{WAVE_FORMAT_PCM, 1, 8000, 16000, 2, 16, 0};
    ASSERT_TRUE(player.Open(f));
    player.Pause();
    std::vector<uint8_t> block(1600, 0); // 50 ms
    ASSERT_TRUE(player.Write(block.data(), block.size()));
    std::atomic<pid_t> writing{0};
    std::atomic<bool> wrote{false};
    std::thread writer([&] {
        writing = static_cast<pid_t>(syscall(SYS_gettid));
        player.Write(block.data(), block.size()); // waits: the device is paused
        wrote = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!(writing && MvThreadSleeps(writing)) && !wrote && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(wrote) << "the writer waits while the device is paused";
    EXPECT_TRUE(writing && MvThreadSleeps(writing));
    EXPECT_EQ(0u, player.PlayedBytes());
    player.Reset();
    writer.join();
    player.Close();
    MvWaveOutUseNullDevice(false);
}

} // namespace
