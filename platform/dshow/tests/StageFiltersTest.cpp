// The time and buffer stages, fed sample by sample between a PCM source and a sink.
#include "TestFilters.h"

#include "com/ComRuntime.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/transforms/TransformIds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

constexpr REFERENCE_TIME kMs = kUnitsPerSecond / 1000;
constexpr LONG kBlock = 1600; // 100 ms of 8 kHz mono 16-bit

class StageTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override
    {
        if (stage) {
            stage->Stop();
            // Connected pins hold each other: both ends let go before the filters do.
            for (const char16_t* name : {u"Input", u"Output"}) {
                IPin* pin = nullptr;
                if (FAILED(stage->FindPin(name, &pin)) || !pin) continue;
                IPin* peer = nullptr;
                if (SUCCEEDED(pin->ConnectedTo(&peer)) && peer) {
                    peer->Disconnect();
                    peer->Release();
                }
                pin->Disconnect();
                pin->Release();
            }
            stage->Release();
        }
        SafeRelease(input);
        if (sink) {
            sink->Stop();
            sink->Release();
        }
        if (source) source->Release();
        CoUninitialize();
    }

    // Source -> stage -> sink, the stage and sink paused and ready for samples.
    void Build(REFCLSID clsid)
    {
        ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&stage)),
                  S_OK);
        source = new CTestSource(10, false);
        sink = new CTestSink();
        IPin* in = nullptr;
        IPin* out = nullptr;
        ASSERT_EQ(stage->FindPin(u"Input", &in), S_OK);
        ASSERT_EQ(stage->FindPin(u"Output", &out), S_OK);
        EXPECT_EQ(out->Connect(sink->PinAt(0), nullptr), VFW_E_NO_ACCEPTABLE_TYPES) << "typed before its input";
        ASSERT_EQ(source->PinAt(0)->Connect(in, nullptr), S_OK);
        ASSERT_EQ(out->Connect(sink->PinAt(0), nullptr), S_OK);
        ASSERT_EQ(QueryInterfaceTo<ISampleSink>(in, &input), S_OK);
        in->Release();
        out->Release();
        ASSERT_EQ(sink->Pause(), S_OK);
        ASSERT_EQ(stage->Pause(), S_OK);
    }

    HRESULT Send(REFERENCE_TIME start, LONG size = kBlock, bool timed = true)
    {
        std::vector<BYTE> data(size_t(size), 0x11);
        MediaSample sample;
        sample.data = data.data();
        sample.size = size;
        sample.hasTime = timed;
        sample.start = start;
        sample.stop = start + REFERENCE_TIME(size) * kUnitsPerSecond / 16000;
        return input->Receive(&sample);
    }

    std::vector<REFERENCE_TIME> Starts()
    {
        std::lock_guard lock(sink->m_lock);
        return sink->starts;
    }

    IBaseFilter* stage = nullptr;
    ISampleSink* input = nullptr;
    CTestSource* source = nullptr;
    CTestSink* sink = nullptr;
};

TEST_F(StageTest, TimeDropperDropsSamplesThatRunBackwards)
{
    Build(CLSID_TimeDropper);
    for (REFERENCE_TIME start : {0LL, 100LL, 50LL, 200LL, 200LL, 150LL}) ASSERT_EQ(Send(start * kMs), S_OK);
    EXPECT_EQ(Starts(), (std::vector<REFERENCE_TIME>{0, 100 * kMs, 200 * kMs, 200 * kMs}));
    ITimeDropperSettings* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ITimeDropperSettings>(stage, &settings), S_OK);
    LONGLONG dropped = 0;
    EXPECT_EQ(settings->GetDropCount(&dropped), S_OK);
    EXPECT_EQ(dropped, 2);
    settings->Release();
}

TEST_F(StageTest, TimeShifterCutsPcmAtTheShift)
{
    Build(CLSID_TimeShifter);
    ITimeShifterSettings* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ITimeShifterSettings>(stage, &settings), S_OK);
    for (double bad : {-0.5, std::nan(""), 1e12}) EXPECT_EQ(settings->SetShift(bad), E_INVALIDARG);
    ASSERT_EQ(settings->SetShift(0.15), S_OK);
    settings->Release();
    for (REFERENCE_TIME start : {0LL, 100LL, 200LL}) ASSERT_EQ(Send(start * kMs), S_OK);
    // The first block lies wholly before the shift, the second is cut in half.
    EXPECT_EQ(Starts(), (std::vector<REFERENCE_TIME>{0, 50 * kMs}));
    EXPECT_EQ(sink->bytes, kBlock / 2 + kBlock);
}

TEST_F(StageTest, TimeCleanerTimesPcmByItsBytes)
{
    Build(CLSID_TimeCleaner);
    ASSERT_EQ(Send(40 * kMs), S_OK);
    ASSERT_EQ(Send(170 * kMs), S_OK);
    ASSERT_EQ(Send(0, kBlock / 2, false), S_OK);
    ASSERT_EQ(Send(230 * kMs), S_OK);
    EXPECT_EQ(Starts(), (std::vector<REFERENCE_TIME>{40 * kMs, 140 * kMs, 240 * kMs, 290 * kMs}));
}

TEST_F(StageTest, TimeNilTakesTheTimesAwayWhenSwitchedOff)
{
    Build(CLSID_TimeNil);
    ITimeNilSettings* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<ITimeNilSettings>(stage, &settings), S_OK);
    ASSERT_EQ(Send(300 * kMs), S_OK);
    settings->SetPassThrough(0);
    ASSERT_EQ(Send(400 * kMs), S_OK);
    settings->Release();
    EXPECT_EQ(Starts(), (std::vector<REFERENCE_TIME>{300 * kMs, 0}));
}

TEST_F(StageTest, BufferHandsEverythingOnInOrderFromItsOwnThread)
{
    Build(CLSID_BufferFilter);
    constexpr int kCount = 400; // more than the queue holds at once
    for (int i = 0; i < kCount; ++i) ASSERT_EQ(Send(i * 100 * kMs), S_OK);
    IPin* in = nullptr;
    ASSERT_EQ(stage->FindPin(u"Input", &in), S_OK);
    EXPECT_EQ(in->EndOfStream(), S_OK);
    in->Release();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (Starts().size() < size_t(kCount) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    std::vector<REFERENCE_TIME> starts = Starts();
    ASSERT_EQ(starts.size(), size_t(kCount));
    for (int i = 0; i < kCount; ++i) ASSERT_EQ(starts[size_t(i)], i * 100 * kMs);
}

} // namespace
