#include "dshow/BasePin.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterGraph.h"
#include "dshow/MediaType.h"
#include "dshow/VideoInfo.h"
#include "dshow/WideText.h"
#include "dshow/capture/CaptureDevice.h"
#include "dshow/capture/CaptureInterfaces.h"
#include "DeviceListing.h"
#include "TestFilters.h"

#include "com/ComRuntime.h"
#include "com/Guid.h"
#include "com/OleAuto.h"
#include "win32/audio/WaveFormat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using Listed = ListedDevice;

class CaptureDevicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, ICreateDevEnum::kIid,
                                         reinterpret_cast<void**>(&m_devices)));
    }
    void TearDown() override
    {
        for (Listed& l : m_listed) SafeRelease(l.moniker);
        for (IBaseFilter* f : m_filters) f->Release();
        SafeRelease(m_devices);
        unsetenv("MORVANE_TEST_DEVICES");
        CoUninitialize();
    }

    // Every device of the category; the monikers are released with the fixture.
    std::vector<Listed> List(REFCLSID category)
    {
        HRESULT answer = E_FAIL;
        std::vector<Listed> out = ListDevices(m_devices, category, &answer);
        EXPECT_TRUE(answer == S_OK || answer == S_FALSE);
        m_listed.insert(m_listed.end(), out.begin(), out.end());
        return out;
    }

    // A copy: the list may be a temporary; the fixture keeps the moniker.
    static std::optional<Listed> Named(const std::vector<Listed>& list, const std::string& name)
    {
        auto at = std::find_if(list.begin(), list.end(), [&](const Listed& l) { return l.friendlyName == name; });
        return at == list.end() ? std::nullopt : std::optional<Listed>(*at);
    }

    // The filter of a listed device, and its capture pin's stream configuration.
    IAMStreamConfig* Bind(const Listed& device, IBaseFilter** filter = nullptr)
    {
        IBaseFilter* bound = nullptr;
        if (FAILED(device.moniker->BindToObject(nullptr, nullptr, IBaseFilter::kIid, reinterpret_cast<void**>(&bound))))
            return nullptr;
        m_filters.push_back(bound);
        if (filter) *filter = bound;
        IPin* pin = nullptr;
        IAMStreamConfig* config = nullptr;
        if (SUCCEEDED(bound->FindPin(u"Capture", &pin))) {
            QueryInterfaceTo<IAMStreamConfig>(pin, &config);
            pin->Release();
        }
        return config;
    }

    ICreateDevEnum* m_devices = nullptr;
    std::vector<Listed> m_listed;
    std::vector<IBaseFilter*> m_filters;
};

TEST_F(CaptureDevicesTest, TestDevicesAreListedOnlyWhenAsked)
{
    for (const char* value : {static_cast<const char*>(nullptr), "0", "yes"}) {
        SCOPED_TRACE(value ? value : "unset");
        if (value) setenv("MORVANE_TEST_DEVICES", value, 1);
        else unsetenv("MORVANE_TEST_DEVICES");
        EXPECT_FALSE(Named(List(CLSID_VideoInputDeviceCategory), "Test Video Capture"));
        EXPECT_FALSE(Named(List(CLSID_AudioInputDeviceCategory), "Test Audio Capture"));
    }

    setenv("MORVANE_TEST_DEVICES", "1", 1);
    const std::vector<Listed> video = List(CLSID_VideoInputDeviceCategory);
    const std::vector<Listed> audio = List(CLSID_AudioInputDeviceCategory);
    ASSERT_FALSE(video.empty());
    ASSERT_FALSE(audio.empty());
    // The test devices come first, named in their category as software devices are.
    EXPECT_EQ(video[0].friendlyName, "Test Video Capture");
    EXPECT_EQ(video[0].displayName, "@device:sw:" + GuidToText(CLSID_VideoInputDeviceCategory) + "\\Test Video Capture");
    EXPECT_EQ(video[0].clsid, GuidToText(CLSID_TestVideoCapture));
    EXPECT_EQ(audio[0].friendlyName, "Test Audio Capture");
    EXPECT_EQ(audio[0].clsid, GuidToText(CLSID_TestAudioCapture));
    // No audio device among the video ones and the other way round.
    EXPECT_FALSE(Named(video, "Test Audio Capture"));
    EXPECT_FALSE(Named(audio, "Test Video Capture"));
}

TEST_F(CaptureDevicesTest, RealDevicesAreListedWithTheirFormatsOrNotAtAll)
{
    // Whatever this machine has (often nothing): each real device names its node, binds to
    // a capture filter and offers at least one format.
    unsetenv("MORVANE_TEST_DEVICES");
    for (const CLSID* category : {&CLSID_VideoInputDeviceCategory, &CLSID_AudioInputDeviceCategory}) {
        for (const Listed& device : List(*category)) {
            SCOPED_TRACE(device.displayName);
            EXPECT_EQ(device.displayName.rfind("@device:pnp:", 0), 0u);
            EXPECT_FALSE(device.friendlyName.empty());
            IAMStreamConfig* config = Bind(device);
            ASSERT_NE(config, nullptr);
            int count = 0, size = 0;
            EXPECT_EQ(config->GetNumberOfCapabilities(&count, &size), S_OK);
            EXPECT_GT(count, 0);
            config->Release();
        }
    }
}

TEST_F(CaptureDevicesTest, TestVideoCaptureOffersItsSizesAndFrameRates)
{
    setenv("MORVANE_TEST_DEVICES", "1", 1);
    const std::vector<Listed> video = List(CLSID_VideoInputDeviceCategory);
    ASSERT_TRUE(Named(video, "Test Video Capture"));
    IBaseFilter* filter = nullptr;
    IAMStreamConfig* config = Bind(*Named(video, "Test Video Capture"), &filter);
    ASSERT_NE(config, nullptr);
    int count = 0, size = 0;
    ASSERT_EQ(config->GetNumberOfCapabilities(&count, &size), S_OK);
    ASSERT_EQ(size, int(sizeof(VIDEO_STREAM_CONFIG_CAPS)));
    IAMVideoControl* control = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IAMVideoControl>(filter, &control), S_OK);
    IPin* pin = nullptr;
    ASSERT_EQ(filter->FindPin(u"Capture", &pin), S_OK);

    std::vector<std::string> sizes;
    for (int i = 0; i < count; ++i) {
        VIDEO_STREAM_CONFIG_CAPS caps{};
        AM_MEDIA_TYPE* type = nullptr;
        ASSERT_EQ(config->GetStreamCaps(i, &type, reinterpret_cast<BYTE*>(&caps)), S_OK);
        const VIDEOINFOHEADER* info = RgbVideoInfo(*type);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(caps.guid, FORMAT_VideoInfo);
        EXPECT_EQ(caps.MaxOutputSize.cx, info->bmiHeader.biWidth);
        EXPECT_EQ(caps.MaxOutputSize.cy, std::abs(info->bmiHeader.biHeight));
        EXPECT_EQ(caps.MinFrameInterval, 333333);
        EXPECT_EQ(caps.MaxFrameInterval, 666667);
        // The frame-rate list of this capability and size: 30, 25 and 15 a second.
        LONG rates = 0;
        LONGLONG* times = nullptr;
        ASSERT_EQ(control->GetFrameRateList(pin, i, caps.MaxOutputSize, &rates, &times), S_OK);
        ASSERT_EQ(rates, 3);
        EXPECT_EQ(std::vector<LONGLONG>(times, times + rates), (std::vector<LONGLONG>{333333, 400000, 666667}));
        CoTaskMemFree(times);
        EXPECT_EQ(control->GetFrameRateList(pin, i, SIZE{caps.MaxOutputSize.cx + 1, 1}, &rates, &times), E_INVALIDARG);
        sizes.push_back(std::to_string(caps.MaxOutputSize.cx) + "x" + std::to_string(caps.MaxOutputSize.cy));
        DeleteMediaType(type);
    }
    std::sort(sizes.begin(), sizes.end());
    sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::string>{"160x120", "320x240", "352x288", "640x480"}));
    AM_MEDIA_TYPE* type = nullptr;
    BYTE caps[128];
    EXPECT_EQ(config->GetStreamCaps(count, &type, caps), S_FALSE);
    LONG rates = 0;
    EXPECT_EQ(control->GetFrameRateList(pin, count, SIZE{320, 240}, &rates, nullptr), E_INVALIDARG);
    pin->Release();
    control->Release();
    config->Release();
}

TEST_F(CaptureDevicesTest, SetFormatChoosesSizeAndRateOfTheVideoTestDevice)
{
    setenv("MORVANE_TEST_DEVICES", "1", 1);
    const std::optional<Listed> device = Named(List(CLSID_VideoInputDeviceCategory), "Test Video Capture");
    ASSERT_TRUE(device);
    IBaseFilter* filter = nullptr;
    IAMStreamConfig* config = Bind(*device, &filter);
    ASSERT_NE(config, nullptr);
    struct Case {
        LONG width, height;
        REFERENCE_TIME frameTime;
        HRESULT expected;
    } cases[] = {
        {640, 480, 666667, S_OK},                      // 15 a second
        {320, -240, 0, S_OK},                          // top-down, the size's fastest rate
        {321, 240, 400000, VFW_E_INVALIDMEDIATYPE},    // no such size
        {320, 240, 100000, VFW_E_INVALIDMEDIATYPE},    // faster than the device
        {160, 120, 10000000, VFW_E_INVALIDMEDIATYPE},  // slower than the device
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        CMediaType wanted;
        MakeRgbVideoType(wanted, MEDIASUBTYPE_RGB24, c.width, std::abs(c.height), c.frameTime);
        reinterpret_cast<VIDEOINFOHEADER*>(wanted.pbFormat)->bmiHeader.biHeight = c.height;
        ASSERT_EQ(config->SetFormat(&wanted), c.expected);
        if (c.expected != S_OK) continue;
        AM_MEDIA_TYPE* current = nullptr;
        ASSERT_EQ(config->GetFormat(&current), S_OK);
        const VIDEOINFOHEADER* info = RgbVideoInfo(*current);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->bmiHeader.biWidth, c.width);
        EXPECT_EQ(info->AvgTimePerFrame, c.frameTime ? c.frameTime : 333333);
        DeleteMediaType(current);
        // The pin now offers that format alone.
        IPin* pin = nullptr;
        ASSERT_EQ(filter->FindPin(u"Capture", &pin), S_OK);
        IEnumMediaTypes* types = nullptr;
        ASSERT_EQ(pin->EnumMediaTypes(&types), S_OK);
        AM_MEDIA_TYPE* offered[2] = {};
        ULONG fetched = 0;
        EXPECT_EQ(types->Next(2, offered, &fetched), S_FALSE);
        ASSERT_EQ(fetched, 1u);
        EXPECT_EQ(RgbVideoInfo(*offered[0])->bmiHeader.biWidth, c.width);
        DeleteMediaType(offered[0]);
        types->Release();
        pin->Release();
    }
    EXPECT_EQ(config->SetFormat(nullptr), E_POINTER);
    config->Release();
}

// What the engine's audio capture set does: ask for the first type of a rate and channel
// count among the capture pin's types.
TEST_F(CaptureDevicesTest, TestAudioCaptureOffersTheUsualPcmFormats)
{
    setenv("MORVANE_TEST_DEVICES", "1", 1);
    const std::optional<Listed> device = Named(List(CLSID_AudioInputDeviceCategory), "Test Audio Capture");
    ASSERT_TRUE(device);
    IAMStreamConfig* config = Bind(*device);
    ASSERT_NE(config, nullptr);
    int count = 0, size = 0;
    ASSERT_EQ(config->GetNumberOfCapabilities(&count, &size), S_OK);
    EXPECT_EQ(size, int(sizeof(AUDIO_STREAM_CONFIG_CAPS)));
    std::vector<std::string> found;
    for (int i = 0; i < count; ++i) {
        AUDIO_STREAM_CONFIG_CAPS caps{};
        AM_MEDIA_TYPE* type = nullptr;
        ASSERT_EQ(config->GetStreamCaps(i, &type, reinterpret_cast<BYTE*>(&caps)), S_OK);
        const WAVEFORMATEX* wave = PcmFormatOf(*type);
        ASSERT_NE(wave, nullptr);
        EXPECT_EQ(caps.MaximumSampleFrequency, wave->nSamplesPerSec);
        EXPECT_EQ(caps.MaximumChannels, wave->nChannels);
        EXPECT_EQ(caps.MaximumBitsPerSample, wave->wBitsPerSample);
        found.push_back(std::to_string(wave->nSamplesPerSec) + "/" + std::to_string(wave->nChannels) + "/"
                        + std::to_string(wave->wBitsPerSample));
        DeleteMediaType(type);
    }
    for (const char* wanted : {"22050/2/16", "44100/1/8", "48000/2/16", "8000/1/16"})
        EXPECT_NE(std::find(found.begin(), found.end(), wanted), found.end()) << wanted;
    EXPECT_EQ(std::find(found.begin(), found.end(), "96000/2/16"), found.end());

    CMediaType odd;
    MakePcmMediaType(odd, 96000, 2, 16);
    EXPECT_EQ(config->SetFormat(&odd), VFW_E_INVALIDMEDIATYPE);
    CMediaType usual;
    MakePcmMediaType(usual, 22050, 1, 16);
    EXPECT_EQ(config->SetFormat(&usual), S_OK);
    config->Release();
}

TEST_F(CaptureDevicesTest, TestAudioCaptureHasAMicrophoneAndALineInput)
{
    setenv("MORVANE_TEST_DEVICES", "1", 1);
    const std::optional<Listed> device = Named(List(CLSID_AudioInputDeviceCategory), "Test Audio Capture");
    ASSERT_TRUE(device);
    IBaseFilter* filter = nullptr;
    IAMStreamConfig* config = Bind(*device, &filter);
    ASSERT_NE(config, nullptr);
    config->Release();
    struct Line {
        const char16_t* name;
        BOOL enabled;
    } lines[] = {{u"Microphone", TRUE}, {u"Line In", FALSE}};
    for (const Line& line : lines) {
        SCOPED_TRACE(NarrowText(line.name));
        IPin* pin = nullptr;
        ASSERT_EQ(filter->FindPin(line.name, &pin), S_OK);
        PIN_DIRECTION direction{};
        pin->QueryDirection(&direction);
        EXPECT_EQ(direction, PINDIR_INPUT);
        CMediaType pcm;
        MakePcmMediaType(pcm, 44100, 2, 16);
        EXPECT_NE(pin->QueryAccept(&pcm), S_OK); // a line is no pin to connect to
        IAMAudioInputMixer* mixer = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IAMAudioInputMixer>(pin, &mixer), S_OK);
        BOOL enabled = !line.enabled;
        EXPECT_EQ(mixer->get_Enable(&enabled), S_OK);
        EXPECT_EQ(enabled, line.enabled);
        double level = 0;
        EXPECT_EQ(mixer->get_MixLevel(&level), S_OK);
        EXPECT_EQ(level, -1.0); // automatic gain
        for (double wrong : {1.5, -0.5, std::nan("")}) EXPECT_EQ(mixer->put_MixLevel(wrong), E_INVALIDARG);
        EXPECT_EQ(mixer->put_MixLevel(0.3), S_OK);
        EXPECT_EQ(mixer->get_MixLevel(&level), S_OK);
        EXPECT_EQ(level, 0.3);
        EXPECT_EQ(mixer->put_Enable(!line.enabled), S_OK);
        EXPECT_EQ(mixer->get_Enable(&enabled), S_OK);
        EXPECT_EQ(enabled, !line.enabled);
        mixer->Release();
        pin->Release();
    }
    // The output pin has no mixer.
    IPin* output = nullptr;
    ASSERT_EQ(filter->FindPin(u"Capture", &output), S_OK);
    IAMAudioInputMixer* none = nullptr;
    EXPECT_EQ(QueryInterfaceTo<IAMAudioInputMixer>(output, &none), E_NOINTERFACE);
    output->Release();
}

// Live pieces are timed from the start of the run, one after the other, in the size the
// pin was asked for (20 ms without a suggestion).
TEST_F(CaptureDevicesTest, TestAudioCaptureDeliversTimedPiecesOfTheSuggestedSize)
{
    setenv("MORVANE_TEST_DEVICES", "1", 1);
    struct Case {
        LONG suggested;
        REFERENCE_TIME piece;
    } cases[] = {{-1, 200000}, {8820, 500000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.suggested);
        const std::optional<Listed> device = Named(List(CLSID_AudioInputDeviceCategory), "Test Audio Capture");
        ASSERT_TRUE(device);
        IBaseFilter* filter = nullptr;
        IAMStreamConfig* config = Bind(*device, &filter);
        ASSERT_NE(config, nullptr);
        CMediaType format;
        MakePcmMediaType(format, 44100, 2, 16);
        ASSERT_EQ(config->SetFormat(&format), S_OK);
        IPin* out = nullptr;
        ASSERT_EQ(filter->FindPin(u"Capture", &out), S_OK);
        IAMBufferNegotiation* buffers = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IAMBufferNegotiation>(out, &buffers), S_OK);
        const ALLOCATOR_PROPERTIES wanted{3, c.suggested, -1, -1};
        EXPECT_EQ(buffers->SuggestAllocatorProperties(&wanted), S_OK);
        ALLOCATOR_PROPERTIES got{};
        EXPECT_EQ(buffers->GetAllocatorProperties(&got), S_OK);
        EXPECT_EQ(got.cBuffers, 3);
        EXPECT_EQ(got.cbBuffer, c.suggested);

        IGraphBuilder* graph = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        CTestSink* sink = new CTestSink;
        graph->AddFilter(filter, u"Audio Capture");
        graph->AddFilter(sink, u"Sink");
        IPin* in = nullptr;
        ASSERT_EQ(sink->FindPin(u"In", &in), S_OK);
        ASSERT_EQ(graph->ConnectDirect(out, in, nullptr), S_OK);
        EXPECT_EQ(buffers->SuggestAllocatorProperties(&wanted), VFW_E_ALREADY_CONNECTED);
        IMediaControl* control = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control), S_OK);
        ASSERT_EQ(control->Run(), S_OK);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        auto pieces = [&] {
            std::lock_guard lock(sink->m_lock);
            return sink->starts.size();
        };
        while (pieces() < 4 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        control->Stop();
        ASSERT_GE(sink->starts.size(), 4u);
        for (size_t i = 0; i < 4; ++i) EXPECT_EQ(sink->starts[i], REFERENCE_TIME(i) * c.piece);
        control->Release();
        in->Release();
        out->Release();
        sink->Release();
        graph->Release();
        buffers->Release();
        config->Release();
    }
}

} // namespace
