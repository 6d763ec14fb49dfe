#include "CAsyncFileWriter.h"
#include "CDataBuffer.h"
#include "CThreadBufferController.h"
#include "CWaveOutDevice.h"

#include "win32/TestHome.h"
#include "win32/kernel/Threads.h"
#include "WaitUntil.h"
#include "win32/audio/WaveOut.h"

#include <atomic>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <mutex>
#include <sstream>
#include <string>

namespace {

const unsigned char* Bytes(const std::string& text) { return reinterpret_cast<const unsigned char*>(text.data()); }

// Collects what its thread writes; each write can be held up until the test lets it go.
class CollectingController : public CThreadBufferController {
public:
    CollectingController()
    {
        m_gate = CreateEvent(nullptr, TRUE, TRUE, nullptr);
        Create();
    }
    ~CollectingController() override
    {
        SetEvent(m_gate);
        Close();
        CloseHandle(m_gate);
    }
    bool Create() override
    {
        mFirstBuffer = new CDataBuffer;
        mSecondBuffer = new CDataBuffer;
        return true;
    }
    void WriteBufferInThread(CDataBuffer* buffer) override
    {
        ++m_started;
        WaitForSingleObject(m_gate, 30000);
        std::lock_guard<std::mutex> guard(m_lock);
        m_written.append(reinterpret_cast<const char*>(buffer->GetBuffer()), buffer->GetBufferSize());
    }
    std::string Written()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_written;
    }
    void Hold() { ResetEvent(m_gate); }
    void Release() { SetEvent(m_gate); }
    void EndThread() { m_thread.End(); }
    bool ThreadRuns() const { return m_thread.IsRunning(); }
    std::atomic<int> m_started{0};

private:
    HANDLE m_gate;
    std::mutex m_lock;
    std::string m_written;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}

TEST(CThreadBufferController, AProducerFasterThanTheThreadWaitsWithoutBlockingIt)
{
    CollectingController controller;
    ASSERT_TRUE(controller.Open());
    EXPECT_FALSE(controller.OpenSelf());
    std::string expected;
    controller.Hold();
    // The first block is being written, the second waits in the other buffer; the third must
    // wait for room while the thread still gets the lock to finish.
    HANDLE producer = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        auto* c = static_cast<CollectingController*>(p);
        for (int i = 0; i < 6; ++i) {
            std::string block = "block" + std::to_string(i) + ";";
            c->WriteData(reinterpret_cast<const unsigned char*>(block.data()), static_cast<uint32_t>(block.size()));
        }
        return 0;
    }, &controller, 0, nullptr);
    for (int i = 0; i < 6; ++i) expected += "block" + std::to_string(i) + ";";
    ASSERT_TRUE(WaitUntil([&] { return controller.m_started >= 1; }));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(producer, 100));
    controller.Release();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(producer, 10000));
    CloseHandle(producer);
    EXPECT_TRUE(WaitUntil([&] { return controller.Written() == expected; })) << controller.Written();
    controller.Close();
    EXPECT_FALSE(controller.IsOpen());
}

TEST(CThreadBufferController, EndingTheThreadLeavesQueuedDataUnwritten)
{
    CollectingController controller;
    ASSERT_TRUE(controller.Open());
    controller.Hold();
    controller.WriteData(Bytes("first"), 5);
    ASSERT_TRUE(WaitUntil([&] { return controller.m_started == 1; }));
    // The second block can only be handed in once the write in progress is over.
    HANDLE producer = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        static_cast<CollectingController*>(p)->WriteData(reinterpret_cast<const unsigned char*>("second"), 6);
        return 0;
    }, &controller, 0, nullptr);
    controller.EndThread();
    controller.Release();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(producer, 10000));
    CloseHandle(producer);
    ASSERT_TRUE(WaitUntil([&] { return !controller.ThreadRuns(); }));
    EXPECT_EQ("first", controller.Written());
    EXPECT_EQ(1, controller.m_started.load());
}

TEST(CThreadBufferController, ABlockThatNeedsTheEndedThreadIsRefusedNotAwaited)
{
    CollectingController controller;
    ASSERT_TRUE(controller.Open());
    controller.EndThread();
    ASSERT_TRUE(WaitUntil([&] { return !controller.ThreadRuns(); }));
    // Two blocks fill the two buffers; nothing will ever free one for a third.
    HANDLE producer = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
        auto* c = static_cast<CollectingController*>(p);
        bool first = c->WriteData(reinterpret_cast<const unsigned char*>("one"), 3);
        bool second = c->WriteData(reinterpret_cast<const unsigned char*>("two"), 3);
        bool third = c->WriteData(reinterpret_cast<const unsigned char*>("three"), 5);
        return (first ? 1 : 0) | (second ? 2 : 0) | (third ? 4 : 0);
    }, &controller, 0, nullptr);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(producer, 10000));
    DWORD results = 0;
    GetExitCodeThread(producer, &results);
    CloseHandle(producer);
    EXPECT_EQ(3u, results);
    EXPECT_EQ("", controller.Written());
}

TEST(CAsyncFileWriter, OverwritingTruncatesAndBlocksFollowEachOther)
{
    MvTestHome home;
    std::string path = home.Path() + "/out.bin";
    std::ofstream(path) << "old contents that must go";
    CAsyncFileWriter writer;
    writer.SetFilePath(path.c_str(), true);
    ASSERT_TRUE(writer.Create());
    ASSERT_TRUE(writer.Open());
    std::string expected;
    for (int i = 0; i < 50; ++i) {
        std::string block(1000 + i, static_cast<char>('a' + i % 26));
        ASSERT_TRUE(writer.WriteData(Bytes(block), static_cast<uint32_t>(block.size())));
        expected += block;
    }
    EXPECT_EQ(expected.size(), writer.GetPosition());
    writer.Close();
    EXPECT_FALSE(writer.HasFailed());
    EXPECT_EQ(expected, ReadAll(path));
    char stored[CAsyncFileWriter::kMaxPath + 1];
    writer.GetFilePath(stored);
    EXPECT_EQ(path, stored);
}

TEST(CAsyncFileWriter, AppendingStartsAtTheOldEnd)
{
    MvTestHome home;
    std::string path = home.Path() + "/log.bin";
    std::ofstream(path) << "123";
    CAsyncFileWriter writer;
    writer.SetFilePath(path.c_str(), false);
    writer.Create();
    ASSERT_TRUE(writer.Open());
    EXPECT_EQ(3u, writer.GetPosition());
    writer.WriteData(Bytes("abc"), 3);
    writer.WriteData(Bytes("de"), 2);
    writer.Release(); // closes first: every write completes
    EXPECT_EQ("123abcde", ReadAll(path));
}

TEST(CAsyncFileWriter, AppendingToAFileBeyondFourGigabytesWritesAtItsEnd)
{
    MvTestHome home;
    std::string path = home.Path() + "/large.bin";
    const int64_t size = (int64_t(1) << 32) + 3; // sparse: only the first bytes take room
    {
        std::ofstream out(path, std::ios::binary);
        out << "head";
        out.seekp(size - 1);
        out.put('\0');
        ASSERT_TRUE(out.good());
    }
    CAsyncFileWriter writer;
    writer.SetFilePath(path.c_str(), false);
    writer.Create();
    ASSERT_TRUE(writer.Open());
    EXPECT_EQ(uint64_t(size), writer.GetPosition());
    ASSERT_TRUE(writer.WriteData(Bytes("tail"), 4));
    writer.Release();
    EXPECT_FALSE(writer.HasFailed());
    std::ifstream in(path, std::ios::binary);
    char bytes[4] = {};
    in.read(bytes, 4);
    EXPECT_EQ("head", std::string(bytes, 4)); // not overwritten by a wrapped offset
    in.seekg(size);
    in.read(bytes, 4);
    EXPECT_EQ("tail", std::string(bytes, static_cast<size_t>(in.gcount())));
}

TEST(CAsyncFileWriter, AWriterThatIsNotOpenRefusesBlocks)
{
    CAsyncFileWriter writer;
    writer.Create();
    EXPECT_FALSE(writer.WriteData(Bytes("abc"), 3));
    writer.SetFilePath("/no/such/folder/file", true);
    EXPECT_FALSE(writer.Open());
}

TEST(CAsyncFileWriter, APathTooLongIsRefusedNotCutToAnotherFile)
{
    MvTestHome home;
    std::string prefix = home.Path() + "/";
    ASSERT_LT(prefix.size() + 8, size_t(CAsyncFileWriter::kMaxPath));
    std::string fits = prefix + std::string(CAsyncFileWriter::kMaxPath - prefix.size(), 'a');
    std::ofstream(fits) << "keep";
    CAsyncFileWriter writer;
    writer.Create();
    char stored[CAsyncFileWriter::kMaxPath + 1];
    writer.SetFilePath(fits.c_str(), true);
    writer.GetFilePath(stored);
    EXPECT_EQ(fits, stored);

    writer.SetFilePath((fits + "bbbb").c_str(), true);
    writer.GetFilePath(stored);
    EXPECT_STREQ("", stored);
    EXPECT_FALSE(writer.Open());
    EXPECT_EQ("keep", ReadAll(fits));
}

TEST(CWaveOutDevice, OpensWithTheDefaultFormat)
{
    MvWaveOutCapture capture;
    CWaveOutDevice device;
    device.Create();
    ASSERT_TRUE(device.Open());
    WAVEFORMATEX format = capture.Format();
    EXPECT_EQ(WAVE_FORMAT_PCM, format.wFormatTag);
    EXPECT_EQ(2, format.nChannels);
    EXPECT_EQ(16, format.wBitsPerSample);
    EXPECT_EQ(44100u, format.nSamplesPerSec);
    EXPECT_EQ(4, format.nBlockAlign);
    EXPECT_EQ(176400u, format.nAvgBytesPerSec);
    device.Close();
    EXPECT_FALSE(device.IsOpen());
}

TEST(CWaveOutDevice, BytesGoOutInBlocksAndTheRestPlaysOnClose)
{
    MvWaveOutCapture capture;
    CWaveOutDevice device;
    device.SetAudioInfo(1, 8, 8000);
    device.Create();
    ASSERT_TRUE(device.Open());
    std::string first(100000, '\x11'), second(40000, '\x22');
    EXPECT_TRUE(device.WriteData(Bytes(first), 100000));
    EXPECT_TRUE(capture.BlockSizes().empty());
    EXPECT_TRUE(device.WriteData(Bytes(second), 40000));
    ASSERT_TRUE(WaitUntil([&] { return capture.BlockSizes().size() == 1; }));
    EXPECT_EQ(100000u, capture.BlockSizes()[0]);
    EXPECT_EQ(40000u, device.GetAccumulatedSize());
    device.Close();
    EXPECT_EQ((std::vector<size_t>{100000, 40000}), capture.BlockSizes());
    EXPECT_EQ(first + second, capture.Bytes());
}

TEST(CWaveOutDevice, ALongStreamPlaysWholeAndInOrder)
{
    MvWaveOutCapture capture;
    std::string expected;
    {
        CWaveOutDevice device;
        device.Create();
        ASSERT_TRUE(device.Open());
        for (int i = 0; i < 40; ++i) {
            std::string chunk(30000 + i, static_cast<char>(i));
            device.WriteData(Bytes(chunk), static_cast<uint32_t>(chunk.size()));
            expected += chunk;
        }
    } // destroying the device plays the rest
    EXPECT_EQ(expected.size(), capture.Bytes().size());
    EXPECT_TRUE(expected == capture.Bytes());
    for (size_t size : capture.BlockSizes()) EXPECT_LE(size, CWaveOutDevice::kMaxAccumulated);
}
