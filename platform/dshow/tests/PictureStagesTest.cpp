// The stages that draw (the audio level picture, the time stamp, the 3D mix) and the one
// that paces pictures to a frame rate, run from test sources into a sink that keeps the last
// picture and the times of all.
#include "com/ComRuntime.h"
#include "dshow/BasePin.h"
#include "dshow/FilterGraph.h"
#include "dshow/PushSource.h"
#include "dshow/SinkFilter.h"
#include "dshow/VideoInfo.h"
#include "dshow/interfaces/3dMixSettings.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "dshow/interfaces/TimeStampSettings.h"
#include "dshow/renderers/RendererIds.h"
#include "dshow/sources/SourceIds.h"
#include "dshow/transforms/TransformIds.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <utility>
#include <vector>

namespace {

const CLSID CLSID_PictureSink = {0x5E1F0010, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x10}};

// Takes RGB32 pictures and keeps the last one.
class CPictureSink : public CSinkFilter {
public:
    CPictureSink() : CSinkFilter(CLSID_PictureSink) { AddPin(PINDIR_INPUT, u"In"); }
    HRESULT CheckMediaType(CBasePin*, const AM_MEDIA_TYPE& type) override
    {
        return type.subtype == MEDIASUBTYPE_RGB32 && RgbVideoInfo(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    }
    HRESULT Receive(CBasePin*, const MediaSample& sample) override
    {
        std::lock_guard lock(m_lock);
        last.assign(sample.data, sample.data + sample.size);
        if (sample.hasTime) times.push_back({sample.start, sample.stop});
        const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
        width = info->bmiHeader.biWidth;
        height = info->bmiHeader.biHeight;
        ++count;
        return S_OK;
    }
    // Blue, green, red of a pixel of the last picture counted from the top left.
    std::vector<BYTE> Pixel(LONG x, LONG y)
    {
        std::lock_guard lock(m_lock);
        const BYTE* p = last.data() + (size_t(height - 1 - y) * size_t(width) + size_t(x)) * 4;
        return {p[0], p[1], p[2]};
    }
    std::mutex m_lock;
    std::vector<BYTE> last;
    std::vector<std::pair<REFERENCE_TIME, REFERENCE_TIME>> times; // start, stop
    LONG width = 0, height = 0;
    int count = 0;
};

const CLSID CLSID_FlatPictureSource = {0x5E1F0011, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x11}};

// Opens once the first picture of one source has been taken, so that another waits for it.
struct Gate {
    void Open()
    {
        std::lock_guard lock(m_lock);
        m_open = true;
        m_changed.notify_all();
    }
    bool Wait()
    {
        std::unique_lock lock(m_lock);
        return m_changed.wait_for(lock, std::chrono::seconds(60), [&] { return m_open; });
    }
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_open = false;
};

// A few RGB32 pictures, the left half of one colour and the right half of another
// (blue, green, red). It may wait for a gate before the first or open one after it.
class CFlatPictureSource : public CPushSource {
public:
    struct Colour {
        BYTE blue, green, red;
    };
    CFlatPictureSource(LONG width, LONG height, Colour left, Colour right, Gate* waitFor, Gate* opens)
        : CPushSource(CLSID_FlatPictureSource), m_width(width), m_height(height), m_left(left), m_right(right),
          m_waitFor(waitFor), m_opens(opens)
    {
        AddPin(PINDIR_OUTPUT, u"Out");
    }
    ~CFlatPictureSource() override { OnStop(); }
    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override { return CheckOfferedType(pin, type); }
    HRESULT GetMediaType(CBasePin*, int index, CMediaType& type) override
    {
        if (index != 0) return S_FALSE;
        MakeRgbVideoType(type, MEDIASUBTYPE_RGB32, m_width, m_height, TimeOf(1));
        if (m_imageSize) reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat)->bmiHeader.biSizeImage = m_imageSize;
        return S_OK;
    }
    // A type whose image size claims fewer bytes than the rows hold, and pictures of only that many.
    void ClaimImageSize(DWORD bytes) { m_imageSize = bytes; }
    static constexpr int kFrames = 5;
    // That many pictures at rateNum / rateDen a second, each timed to the nearest unit.
    void SetTiming(int frames, int64_t rateNum, int64_t rateDen)
    {
        m_frames = frames;
        m_rateNum = rateNum;
        m_rateDen = rateDen;
    }

protected:
    REFERENCE_TIME TimeOf(int frame) const
    {
        return (frame * kUnitsPerSecond * m_rateDen + m_rateNum / 2) / m_rateNum;
    }
    HRESULT SeekTo(REFERENCE_TIME position) override
    {
        m_next = int(position / TimeOf(1));
        return S_OK;
    }
    REFERENCE_TIME MediaDuration() override { return TimeOf(m_frames); }
    HRESULT ProduceNext() override
    {
        if (m_next >= m_frames || PastStop(TimeOf(m_next))) return S_FALSE;
        if (m_next == 0 && m_waitFor && !m_waitFor->Wait()) return E_FAIL;
        std::vector<BYTE> picture(size_t(m_width * m_height * 4));
        for (LONG i = 0; i < m_width * m_height; ++i) {
            const Colour& c = i % m_width < m_width / 2 ? m_left : m_right;
            BYTE* p = picture.data() + size_t(i) * 4;
            p[0] = c.blue;
            p[1] = c.green;
            p[2] = c.red;
            p[3] = 0xFF;
        }
        MediaSample sample;
        sample.data = picture.data();
        sample.size = m_imageSize ? LONG(m_imageSize) : LONG(picture.size());
        sample.start = TimeOf(m_next);
        sample.stop = TimeOf(m_next + 1);
        sample.hasTime = true;
        SetReached(sample.start);
        ++m_next;
        HRESULT hr = PinAt(0)->Deliver(sample);
        if (m_opens) m_opens->Open();
        return hr == S_FALSE ? S_FALSE : hr;
    }

private:
    LONG m_width, m_height;
    Colour m_left, m_right;
    Gate* m_waitFor;
    Gate* m_opens;
    int m_next = 0;
    DWORD m_imageSize = 0;
    int m_frames = kFrames;
    int64_t m_rateNum = 25, m_rateDen = 1;
};

class PictureStagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        sink = new CPictureSink();
        ASSERT_EQ(graph->AddFilter(sink, u"Sink"), S_OK);
    }
    void TearDown() override
    {
        for (IBaseFilter* f : filters) f->Release();
        sink->Release();
        graph->Release();
        CoUninitialize();
    }
    IBaseFilter* Add(REFCLSID clsid, const char16_t* name)
    {
        IBaseFilter* filter = nullptr;
        EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&filter)),
                  S_OK);
        filters.push_back(filter);
        graph->AddFilter(filter, name);
        return filter;
    }
    HRESULT Link(IBaseFilter* from, const char16_t* out, IBaseFilter* to, const char16_t* in, const AM_MEDIA_TYPE* type = nullptr)
    {
        IPin* o = nullptr;
        IPin* i = nullptr;
        HRESULT hr = SUCCEEDED(from->FindPin(out, &o)) && SUCCEEDED(to->FindPin(in, &i)) ? graph->ConnectDirect(o, i, type)
                                                                                           : VFW_E_NOT_FOUND;
        SafeRelease(o);
        SafeRelease(i);
        return hr;
    }
    // Runs the graph until its first event, or until `awaited` when given: the cameras run on
    // threads of their own, so one camera's error may come after the other one's completion.
    LONG Run(LONG awaited = 0)
    {
        IMediaControl* control = nullptr;
        IMediaEvent* events = nullptr;
        LONG code = -1;
        QueryInterfaceTo<IMediaControl>(graph, &control);
        QueryInterfaceTo<IMediaEvent>(graph, &events);
        if (SUCCEEDED(control->Run())) {
            LONG_PTR a = 0, b = 0;
            do {
                if (events->GetEvent(&code, &a, &b, 60000) != S_OK) code = 0;
            } while (awaited && code && code != awaited);
            control->Stop();
        }
        events->Release();
        control->Release();
        return code;
    }

    // The left camera's pictures through "3D Mix" into the sink; the right camera's, when
    // given, are all taken before the left camera starts.
    void RunMix(LONG color, LONG filter, CFlatPictureSource* left, CFlatPictureSource* right)
    {
        filters.push_back(left);
        graph->AddFilter(left, u"Left");
        if (right) {
            filters.push_back(right);
            graph->AddFilter(right, u"Right");
        }
        IBaseFilter* mix = Add(CLSID_3dMix, u"3D Mix");
        I3dMixSettings* settings = nullptr;
        ASSERT_EQ(QueryInterfaceTo<I3dMixSettings>(mix, &settings), S_OK);
        EXPECT_EQ(settings->SetMode(0), S_OK);
        EXPECT_EQ(settings->SetAnaglyphColor(color), S_OK);
        EXPECT_EQ(settings->SetAnaglyphFilter(filter), S_OK);
        settings->Release();
        ASSERT_EQ(Link(left, u"Out", mix, u"Input 1"), S_OK);
        if (right) {
            ASSERT_EQ(Link(right, u"Out", mix, u"Input 2"), S_OK);
        }
        ASSERT_EQ(Link(mix, u"Output", sink, u"In"), S_OK);
        sink->count = 0;
        ASSERT_EQ(Run(), EC_COMPLETE);
        EXPECT_EQ(sink->count, CFlatPictureSource::kFrames);
        graph->RemoveFilter(left);
        if (right) graph->RemoveFilter(right);
        graph->RemoveFilter(mix);
    }

    IGraphBuilder* graph = nullptr;
    CPictureSink* sink = nullptr;
    std::vector<IBaseFilter*> filters;
};

TEST_F(PictureStagesTest, AudioIndicatorDrawsTheLevelTwentyFiveTimesASecond)
{
    IBaseFilter* tone = Add(CLSID_AudioTestSource, u"Audio Test");
    IBaseFilter* indicator = Add(CLSID_AudioIndicator, u"Audio Indicator");
    CMediaType mono;
    MakePcmMediaType(mono, 8000, 1, 16);
    ASSERT_EQ(Link(tone, u"Audio", indicator, u"Audio In", &mono), S_OK);
    ASSERT_EQ(Link(indicator, u"Video Out", sink, u"In"), S_OK);
    ASSERT_EQ(Run(), EC_COMPLETE);
    EXPECT_EQ(sink->count, 250); // ten seconds
    // The tone peaks at a quarter of full scale: a bar a quarter of the picture high.
    EXPECT_EQ(sink->Pixel(80, 119), (std::vector<BYTE>{0, 200, 0}));
    EXPECT_EQ(sink->Pixel(80, 95), (std::vector<BYTE>{0, 200, 0}));
    EXPECT_EQ(sink->Pixel(80, 85), (std::vector<BYTE>{0, 0, 0}));
}

TEST_F(PictureStagesTest, TimeStampWritesIntoTheCornerOnlyWhenOn)
{
    for (bool on : {false, true}) {
        SCOPED_TRACE(on);
        IBaseFilter* pattern = Add(CLSID_VideoTestSource, u"Video Test");
        IBaseFilter* stamp = Add(CLSID_TimeStamp, u"Time Stamp");
        IVideoTestSettings* ramp = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IVideoTestSettings>(pattern, &ramp), S_OK);
        ramp->SetPattern(1);
        ramp->Release();
        ITimeStampSettings* settings = nullptr;
        ASSERT_EQ(QueryInterfaceTo<ITimeStampSettings>(stamp, &settings), S_OK);
        settings->SetStamping(on);
        settings->Release();
        ASSERT_EQ(Link(pattern, u"Video", stamp, u"Video In"), S_OK);
        ASSERT_EQ(Link(stamp, u"Video Out", sink, u"In"), S_OK);
        ASSERT_EQ(Run(), EC_COMPLETE);
        // The ramp is light there; the margin of the stamp's box is black.
        std::vector<BYTE> corner = sink->Pixel(217, 219);
        EXPECT_EQ(corner[0] < 20, on) << int(corner[0]);
        graph->RemoveFilter(pattern);
        graph->RemoveFilter(stamp);
    }
}

using Colour = CFlatPictureSource::Colour;
constexpr LONG kColour = 0, kGreyScale = 1;
constexpr LONG kCyan = 0, kBlue = 1, kGreen = 2;

TEST_F(PictureStagesTest, MixGivesRedFromTheLeftCameraAndTheFilterColoursFromTheRight)
{
    const Colour left{10, 20, 200}, right{180, 90, 30};
    // Grey scale: luminance 73 on the left, 82 on the right.
    struct Case {
        LONG color, filter;
        std::vector<BYTE> expected; // blue, green, red
    } cases[] = {
        {kColour, kCyan, {180, 90, 200}},   {kColour, kBlue, {180, 0, 200}},   {kColour, kGreen, {0, 90, 200}},
        {kGreyScale, kCyan, {82, 82, 73}}, {kGreyScale, kBlue, {82, 0, 73}}, {kGreyScale, kGreen, {0, 82, 73}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "color " << c.color << " filter " << c.filter);
        Gate taken;
        RunMix(c.color, c.filter, new CFlatPictureSource(64, 48, left, left, &taken, nullptr),
               new CFlatPictureSource(64, 48, right, right, nullptr, &taken));
        EXPECT_EQ(sink->Pixel(0, 0), c.expected);
        EXPECT_EQ(sink->Pixel(63, 47), c.expected);
    }
}

TEST_F(PictureStagesTest, MixSamplesARightPictureOfAnotherSizeAtTheSamePlace)
{
    Gate taken;
    RunMix(kColour, kCyan, new CFlatPictureSource(64, 48, {0, 0, 100}, {0, 0, 100}, &taken, nullptr),
           new CFlatPictureSource(16, 12, {40, 50, 0}, {140, 150, 0}, nullptr, &taken));
    EXPECT_EQ(sink->Pixel(5, 40), (std::vector<BYTE>{40, 50, 100}));
    EXPECT_EQ(sink->Pixel(31, 0), (std::vector<BYTE>{40, 50, 100}));
    EXPECT_EQ(sink->Pixel(32, 0), (std::vector<BYTE>{140, 150, 100}));
    EXPECT_EQ(sink->Pixel(63, 47), (std::vector<BYTE>{140, 150, 100}));
}

TEST_F(PictureStagesTest, MixPassesTheLeftCameraUnchangedUntilTheRightDelivers)
{
    RunMix(kColour, kCyan, new CFlatPictureSource(64, 48, {10, 20, 200}, {30, 40, 50}, nullptr, nullptr), nullptr);
    EXPECT_EQ(sink->Pixel(0, 0), (std::vector<BYTE>{10, 20, 200}));
    EXPECT_EQ(sink->Pixel(63, 0), (std::vector<BYTE>{30, 40, 50}));
}

TEST_F(PictureStagesTest, MixRefusesPicturesShorterThanTheirRowsOnEitherInput)
{
    for (bool leftShort : {true, false}) {
        SCOPED_TRACE(leftShort ? "left" : "right");
        Gate taken;
        auto* left = new CFlatPictureSource(64, 48, {1, 2, 3}, {1, 2, 3}, &taken, nullptr);
        auto* right = new CFlatPictureSource(64, 48, {4, 5, 6}, {4, 5, 6}, nullptr, &taken);
        (leftShort ? left : right)->ClaimImageSize(16);
        for (CFlatPictureSource* source : {left, right}) filters.push_back(source);
        graph->AddFilter(left, u"Left");
        graph->AddFilter(right, u"Right");
        IBaseFilter* mix = Add(CLSID_3dMix, u"3D Mix");
        ASSERT_EQ(Link(left, u"Out", mix, u"Input 1"), S_OK);
        ASSERT_EQ(Link(right, u"Out", mix, u"Input 2"), S_OK);
        ASSERT_EQ(Link(mix, u"Output", sink, u"In"), S_OK);
        sink->count = 0;
        // The refused camera ends its stream with an error rather than being read past its end.
        EXPECT_EQ(Run(EC_ERRORABORT), EC_ERRORABORT);
        if (leftShort) {
            EXPECT_EQ(sink->count, 0);
        }
        graph->RemoveFilter(left);
        graph->RemoveFilter(right);
        graph->RemoveFilter(mix);
    }
}

TEST_F(PictureStagesTest, RendererRefusesPicturesShorterThanTheirRows)
{
    auto* source = new CFlatPictureSource(64, 48, {1, 2, 3}, {1, 2, 3}, nullptr, nullptr);
    source->ClaimImageSize(16);
    filters.push_back(source);
    graph->AddFilter(source, u"Source");
    IBaseFilter* renderer = Add(CLSID_VideoMixingRenderer9, u"Video Renderer");
    ASSERT_EQ(Link(source, u"Out", renderer, u"Input"), S_OK);
    // Drawing or repainting such a picture would read past its end.
    EXPECT_EQ(Run(EC_ERRORABORT), EC_ERRORABORT);
}

TEST_F(PictureStagesTest, MixRefusesUnknownAnaglyphColoursAndFilters)
{
    IBaseFilter* mix = Add(CLSID_3dMix, u"3D Mix");
    I3dMixSettings* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<I3dMixSettings>(mix, &settings), S_OK);
    EXPECT_EQ(settings->SetAnaglyphColor(2), E_INVALIDARG);
    EXPECT_EQ(settings->SetAnaglyphFilter(3), E_INVALIDARG);
    EXPECT_EQ(settings->SetAnaglyphFilter(-1), E_INVALIDARG);
    settings->Release();
}

TEST_F(PictureStagesTest, PulseRegulatorTimesEveryFrameAtNtscRatesAndCoversTheInputsEnd)
{
    const struct {
        const char* name;
        int frames;
        int64_t rateNum, rateDen; // the input's
        double rate;              // the regulator's
        int expected;
    } cases[] = {
        // Two seconds at 25 become 60 frame times of 1/29.97 s, the last ending past 2 s.
        {"25 to 29.97", 50, 25, 1, 29.97, 60},
        // 60 pictures of 1001/30000 s each pass one for one, none doubled or lost at the end.
        {"30000/1001 to 30000/1001", 60, 30000, 1001, 30000.0 / 1001, 60},
        {"30000/1001 to 29.97", 60, 30000, 1001, 29.97, 60},
        // 2.002 s at 25: the last picture still shows in the frame time from 2 s.
        {"30000/1001 to 25", 60, 30000, 1001, 25, 51},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* source = new CFlatPictureSource(16, 12, {1, 2, 3}, {1, 2, 3}, nullptr, nullptr);
        source->SetTiming(c.frames, c.rateNum, c.rateDen);
        filters.push_back(source);
        graph->AddFilter(source, u"Pictures");
        IBaseFilter* pulse = Add(CLSID_PulseRegulator, u"Pulse Regulator");
        IPulseRegulatorSettings* settings = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IPulseRegulatorSettings>(pulse, &settings), S_OK);
        EXPECT_EQ(settings->SetFrameRate(c.rate), S_OK);
        settings->Release();
        ASSERT_EQ(Link(source, u"Out", pulse, u"Video In"), S_OK);
        ASSERT_EQ(Link(pulse, u"Video Out", sink, u"In"), S_OK);
        sink->times.clear();
        ASSERT_EQ(Run(), EC_COMPLETE);
        const REFERENCE_TIME frame = std::llround(kUnitsPerSecond / c.rate);
        ASSERT_EQ(int(sink->times.size()), c.expected);
        for (int n = 0; n < c.expected; ++n) {
            EXPECT_EQ(sink->times[n].first, n * frame) << n;
            EXPECT_EQ(sink->times[n].second, (n + 1) * frame) << n;
        }
        const REFERENCE_TIME end = (c.frames * kUnitsPerSecond * c.rateDen + c.rateNum / 2) / c.rateNum;
        EXPECT_GE(sink->times.back().second, end);
        EXPECT_LT(sink->times.back().first, end);
        graph->RemoveFilter(source);
        graph->RemoveFilter(pulse);
    }
}

} // namespace
