#include "CBufferController.h"
#include "CDataBuffer.h"
#include "win32/TestThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::string Contents(CDataBuffer* buffer)
{
    return std::string(reinterpret_cast<const char*>(buffer->GetBuffer()), buffer->GetBufferSize());
}

bool Write(CBufferController& controller, const std::string& block)
{
    return controller.WriteData(reinterpret_cast<const unsigned char*>(block.data()),
                                static_cast<uint32_t>(block.size()));
}

class CountedBuffer : public CDataBuffer {
public:
    explicit CountedBuffer(int& deleted) : mDeleted(deleted) {}
    ~CountedBuffer() override { ++mDeleted; }

private:
    int& mDeleted;
};

// Records every hand-over; the test plays the consumer by calling ReachEnd.
class RecordingController : public CBufferController {
public:
    explicit RecordingController(bool passAtOnce) { mPassAtOnce = passAtOnce; }

    bool Create() override
    {
        mFirstBuffer = new CountedBuffer(deleted);
        mSecondBuffer = new CountedBuffer(deleted);
        return true;
    }
    bool ReallyWriteData(CDataBuffer* buffer) override
    {
        CBufferController::ReallyWriteData(buffer);
        std::lock_guard<std::mutex> lock(mutex);
        handed.push_back(Contents(buffer));
        return true;
    }
    std::vector<std::string> Handed()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return handed;
    }

    int deleted = 0;
    std::mutex mutex;
    std::vector<std::string> handed;
};

} // namespace

TEST(CDataBuffer, HoldsOneBlockUntilReleased)
{
    CDataBuffer buffer;
    EXPECT_TRUE(buffer.IsAvailable());
    const unsigned char first[] = {1, 2, 3};
    const unsigned char second[] = {9};
    ASSERT_TRUE(buffer.SetData(first, 3));
    EXPECT_FALSE(buffer.IsAvailable());

    EXPECT_FALSE(buffer.SetData(second, 1));
    ASSERT_EQ(buffer.GetBufferSize(), 3u);
    EXPECT_EQ(buffer.GetBuffer()[2], 3);

    CDataBuffer copy(buffer);
    EXPECT_FALSE(copy.IsAvailable());
    EXPECT_EQ(Contents(&copy), Contents(&buffer));

    buffer.ReleaseData();
    ASSERT_TRUE(buffer.SetData(second, 1));
    EXPECT_EQ(Contents(&buffer), "\x09");
    EXPECT_EQ(copy.GetBufferSize(), 3u);
}

TEST(CBufferController, FirstBlockIsHandedOverAtOnceInEitherMode)
{
    for (bool passAtOnce : {false, true}) {
        RecordingController controller(passAtOnce);
        ASSERT_TRUE(controller.Create());
        EXPECT_TRUE(Write(controller, "one"));
        EXPECT_EQ(controller.Handed(), std::vector<std::string>{"one"}) << passAtOnce;
        EXPECT_EQ(controller.GetCurrentBuffer(), controller.GetFirstBuffer());
        EXPECT_FALSE(controller.GetFirstBuffer()->IsAvailable());
    }
}

TEST(CBufferController, WithoutBuffersWriteFails)
{
    RecordingController controller(true);
    EXPECT_FALSE(Write(controller, "lost"));
    EXPECT_TRUE(controller.Handed().empty());
}

TEST(CBufferController, PassingAtOnceWaitsForTheOlderBuffer)
{
    RecordingController controller(true);
    controller.Create();
    Write(controller, "one");
    Write(controller, "two");
    EXPECT_EQ(controller.Handed(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(controller.GetCurrentBuffer(), controller.GetSecondBuffer());

    std::atomic<bool> returned{false};
    std::atomic<pid_t> producer{0};
    auto third = std::async(std::launch::async, [&] {
        producer = static_cast<pid_t>(syscall(SYS_gettid));
        bool ok = Write(controller, "three");
        returned = true;
        return ok;
    });
    // Both buffers are full: once the producer sleeps inside the write, it must still be waiting.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!(producer && MvThreadSleeps(producer)) && !returned && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(returned);
    EXPECT_TRUE(producer && MvThreadSleeps(producer));

    controller.ReachEnd();  // the device finished "one", the older block
    EXPECT_TRUE(third.get());
    EXPECT_EQ(controller.Handed(), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(controller.GetCurrentBuffer(), controller.GetFirstBuffer());
    EXPECT_EQ(Contents(controller.GetFirstBuffer()), "three");
}

TEST(CBufferController, WithoutPassingTheSecondBlockWaitsForTheFirstToEnd)
{
    RecordingController controller(false);
    controller.Create();
    Write(controller, "one");
    Write(controller, "two");
    EXPECT_EQ(controller.Handed(), std::vector<std::string>{"one"});
    EXPECT_FALSE(controller.GetSecondBuffer()->IsAvailable());

    controller.ReachEnd();
    EXPECT_EQ(controller.Handed(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(controller.GetCurrentBuffer(), controller.GetSecondBuffer());

    controller.ReachEnd();
    EXPECT_EQ(controller.GetCurrentBuffer(), nullptr);
    // Nothing in flight: the next block goes out at once.
    Write(controller, "three");
    EXPECT_EQ(controller.Handed(), (std::vector<std::string>{"one", "two", "three"}));
}

TEST(CBufferController, ABlockPlacedAfterTheConsumerEndedIsNotStranded)
{
    RecordingController controller(false);
    controller.Create();
    Write(controller, "one");
    // The consumer ends the buffer by EndWrite alone, leaving it current.
    controller.EndWrite(controller.GetFirstBuffer());
    Write(controller, "two");
    EXPECT_EQ(controller.Handed(), (std::vector<std::string>{"one", "two"}));
}

TEST(CBufferController, ReleaseDeletesTheBuffersOnce)
{
    RecordingController controller(false);
    controller.Create();
    Write(controller, "one");
    controller.Release();
    EXPECT_EQ(controller.deleted, 2);
    EXPECT_EQ(controller.GetFirstBuffer(), nullptr);
    EXPECT_EQ(controller.GetCurrentBuffer(), nullptr);
    controller.Release();
    EXPECT_EQ(controller.deleted, 2);
    EXPECT_FALSE(Write(controller, "after"));
}

namespace {

// Writes handed buffers out on a thread of its own, like the file writer and the device.
class ThreadedController : public CBufferController {
public:
    explicit ThreadedController(bool passAtOnce)
    {
        mPassAtOnce = passAtOnce;
        mFirstBuffer = new CDataBuffer;
        mSecondBuffer = new CDataBuffer;
        mThread = std::thread([this] { Run(); });
    }
    ~ThreadedController() override { Stop(); }

    bool ReallyWriteData(CDataBuffer* buffer) override
    {
        CBufferController::ReallyWriteData(buffer);
        {
            std::lock_guard<std::mutex> lock(mMutex);
            mQueue.push_back(buffer);
        }
        mWake.notify_one();
        return true;
    }

    // Waits until every handed block is written, then ends the thread.
    std::string Finish(size_t expected)
    {
        std::unique_lock<std::mutex> lock(mMutex);
        mWake.wait_for(lock, std::chrono::seconds(20), [&] { return mWritten.size() >= expected; });
        lock.unlock();
        Stop();
        return mWritten;
    }

private:
    void Run()
    {
        for (;;) {
            std::unique_lock<std::mutex> lock(mMutex);
            mWake.wait(lock, [&] { return mStop || !mQueue.empty(); });
            if (mQueue.empty())
                return;
            CDataBuffer* buffer = mQueue.front();
            mQueue.pop_front();
            mWritten += Contents(buffer);
            lock.unlock();
            mWake.notify_all();
            ReachEnd();
        }
    }
    void Stop()
    {
        {
            std::lock_guard<std::mutex> lock(mMutex);
            mStop = true;
        }
        mWake.notify_all();
        if (mThread.joinable())
            mThread.join();
    }

    std::mutex mMutex;
    std::condition_variable mWake;
    std::deque<CDataBuffer*> mQueue;
    std::string mWritten;
    bool mStop = false;
    std::thread mThread;
};

} // namespace

TEST(CBufferController, AConsumerThreadReceivesEveryBlockInOrder)
{
    for (bool passAtOnce : {false, true}) {
        ThreadedController controller(passAtOnce);
        std::string expected;
        for (int i = 0; i < 60; ++i) {
            std::string block = std::to_string(i) + ";";
            expected += block;
            ASSERT_TRUE(Write(controller, block));
        }
        EXPECT_EQ(controller.Finish(expected.size()), expected) << passAtOnce;
    }
}
