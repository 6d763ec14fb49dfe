#include "sapi/WaveOutPlayer.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

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
    for (int i = 0; i < 200 && player.PlayedBytes() < 10; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
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
    std::thread writer([&] { player.Write(block.data(), block.size()); }); // waits: the device is paused
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(0u, player.PlayedBytes());
    player.Reset();
    writer.join();
    player.Close();
    MvWaveOutUseNullDevice(false);
}

} // namespace
