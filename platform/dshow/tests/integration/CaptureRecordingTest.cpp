#include "com/ComRuntime.h"
#include "com/OleAuto.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/FilterGraph.h"
#include "dshow/MediaType.h"
#include "dshow/StreamFileWriter.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/VideoInfo.h"
#include "dshow/WideText.h"
#include "dshow/capture/CaptureInterfaces.h"
#include "dshow/capture/TestDevicePlug.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "win32/audio/WaveFormat.h"

#include "../DeviceListing.h"
#include "CaptureGraph.h"
#include "MediaFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The checksums of the first decoded pictures of a file.
std::vector<std::string> FrameHashes(const fs::path& file, int count)
{
    const std::string command = "ffmpeg -v error -i '" + file.string() + "' -map 0:v:0 -frames:v " + std::to_string(count)
        + " -f framemd5 -";
    std::vector<std::string> hashes;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (fgets(line, sizeof line, pipe)) {
            std::string text(line);
            if (text.empty() || text[0] == '#') continue;
            hashes.push_back(text.substr(text.rfind(',') + 1));
        }
        pclose(pipe);
    }
    return hashes;
}

class CaptureRecordingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("MORVANE_TEST_DEVICES", "1", 1);
        CoInitialize(nullptr);
        dir = fs::temp_directory_path() / ("mvdshow_capture_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control), S_OK);
    }
    void TearDown() override
    {
        MvPlugTestCaptureDevices(true);
        if (control) control->Stop();
        SafeRelease(control);
        for (IBaseFilter* f : filters) f->Release();
        SafeRelease(graph);
        fs::remove_all(dir);
        CoUninitialize();
        unsetenv("MORVANE_TEST_DEVICES");
    }

    // The device of that friendly name, bound as the engine binds it, in the given format.
    IBaseFilter* Device(REFCLSID category, const std::string& name, const CMediaType& format)
    {
        ICreateDevEnum* devices = nullptr;
        IBaseFilter* found = nullptr;
        if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, ICreateDevEnum::kIid,
                                    reinterpret_cast<void**>(&devices))))
            return nullptr;
        for (ListedDevice& listed : ListDevices(devices, category)) {
            if (!found && listed.friendlyName == name)
                listed.moniker->BindToObject(nullptr, nullptr, IBaseFilter::kIid, reinterpret_cast<void**>(&found));
            listed.moniker->Release();
        }
        devices->Release();
        if (!found) return nullptr;
        filters.push_back(found);
        IPin* pin = nullptr;
        IAMStreamConfig* config = nullptr;
        const bool set = SUCCEEDED(found->FindPin(u"Capture", &pin)) && SUCCEEDED(QueryInterfaceTo(pin, &config))
            && config->SetFormat(&format) == S_OK;
        SafeRelease(config);
        SafeRelease(pin);
        return set && SUCCEEDED(graph->AddFilter(found, WideText(name).c_str())) ? found : nullptr;
    }

    IBaseFilter* Add(REFCLSID clsid, const char16_t* name)
    {
        IBaseFilter* filter = nullptr;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid, reinterpret_cast<void**>(&filter))))
            return nullptr;
        filters.push_back(filter);
        return SUCCEEDED(graph->AddFilter(filter, name)) ? filter : nullptr;
    }

    HRESULT Link(IBaseFilter* from, const char16_t* out, IBaseFilter* to, const char16_t* in)
    {
        return LinkPins(graph, from, out, to, in);
    }

    IBaseFilter* Writer(const fs::path& file)
    {
        IBaseFilter* writer = Add(CLSID_FileWriter, u"File Writer");
        IFileSinkFilter* sink = nullptr;
        if (!writer || FAILED(QueryInterfaceTo<IFileSinkFilter>(writer, &sink))) return nullptr;
        sink->SetFileName(WideText(file.string()).c_str(), nullptr);
        sink->Release();
        return writer;
    }

    // Records until every filter has passed `seconds` of media; the length recorded.
    double Record(const std::vector<IBaseFilter*>& watched, IBaseFilter* mux, double seconds)
    {
        if (FAILED(control->Run())) return -1;
        const bool reached = WaitUntil([&] {
            for (IBaseFilter* f : watched)
                if (PassTime(f) < seconds) return false;
            return true;
        });
        control->Stop();
        EXPECT_TRUE(reached);
        return PassTime(mux);
    }

    fs::path dir;
    IGraphBuilder* graph = nullptr;
    IMediaControl* control = nullptr;
    std::vector<IBaseFilter*> filters;
};

TEST_F(CaptureRecordingTest, TestAudioCaptureRecordsAWavOfTheLengthRecorded)
{
    CMediaType format;
    MakePcmMediaType(format, 22050, 2, 16);
    IBaseFilter* device = Device(CLSID_AudioInputDeviceCategory, "Test Audio Capture", format);
    IBaseFilter* mux = Add(CLSID_WavMultiplexer, u"WAV Mux");
    const fs::path file = dir / "tone.wav";
    IBaseFilter* writer = Writer(file);
    ASSERT_TRUE(device && mux && writer);
    ASSERT_EQ(Link(device, u"Capture", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);

    const double recorded = Record({mux}, mux, 1.5);
    ASSERT_GE(recorded, 1.5);
    EXPECT_EQ(ProbeMedia(file, "stream=codec_name,sample_rate,channels"), "pcm_s16le\n22050\n2");
    EXPECT_NEAR(std::atof(ProbeMedia(file, "format=duration").c_str()), recorded, 0.05);
}

// The loudest sample of a file, in decibels below full scale.
double PeakDecibels(const fs::path& file)
{
    const std::string command = "ffmpeg -v info -nostats -i '" + file.string() + "' -af volumedetect -f null - 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (fgets(line, sizeof line, pipe)) output += line;
        pclose(pipe);
    }
    const size_t at = output.find("max_volume:");
    return at == std::string::npos ? 1 : std::atof(output.c_str() + at + 11);
}

TEST_F(CaptureRecordingTest, TheMicrophoneLinesSwitchAndLevelAreHeard)
{
    struct Case {
        BOOL enabled;
        double level;
        double peak; // dB
    } cases[] = {{TRUE, -1, -12.0}, {TRUE, 1.0, -6.0}, {TRUE, 0.5, -12.0}, {FALSE, 1.0, -91.0}};
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n);
        for (IBaseFilter* f : filters) {
            graph->RemoveFilter(f);
            f->Release();
        }
        filters.clear();
        CMediaType format;
        MakePcmMediaType(format, 16000, 1, 16);
        IBaseFilter* device = Device(CLSID_AudioInputDeviceCategory, "Test Audio Capture", format);
        ASSERT_NE(device, nullptr);
        IPin* line = nullptr;
        IAMAudioInputMixer* mixer = nullptr;
        ASSERT_EQ(device->FindPin(u"Microphone", &line), S_OK);
        ASSERT_EQ(QueryInterfaceTo<IAMAudioInputMixer>(line, &mixer), S_OK);
        EXPECT_EQ(mixer->put_Enable(c.enabled), S_OK);
        EXPECT_EQ(mixer->put_MixLevel(c.level), S_OK);
        mixer->Release();
        line->Release();
        IBaseFilter* mux = Add(CLSID_WavMultiplexer, u"WAV Mux");
        const fs::path file = dir / ("line" + std::to_string(n++) + ".wav");
        IBaseFilter* writer = Writer(file);
        ASSERT_EQ(Link(device, u"Capture", mux, u"Audio In"), S_OK);
        ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
        ASSERT_GE(Record({mux}, mux, 0.3), 0.3);
        const double peak = PeakDecibels(file);
        if (c.peak < -90) EXPECT_LE(peak, c.peak);
        else EXPECT_NEAR(peak, c.peak, 0.2);
    }
}

TEST_F(CaptureRecordingTest, UnpluggingTheDeviceEndsTheRecordingAndKeepsWhatWasRecorded)
{
    CMediaType format;
    MakePcmMediaType(format, 44100, 2, 16);
    IBaseFilter* device = Device(CLSID_AudioInputDeviceCategory, "Test Audio Capture", format);
    IBaseFilter* mux = Add(CLSID_WavMultiplexer, u"WAV Mux");
    const fs::path file = dir / "unplugged.wav";
    IBaseFilter* writer = Writer(file);
    ASSERT_TRUE(device && mux && writer);
    ASSERT_EQ(Link(device, u"Capture", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);
    IMediaEvent* events = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IMediaEvent>(graph, &events), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    ASSERT_TRUE(WaitUntil([&] { return PassTime(mux) >= 0.5; }));

    MvPlugTestCaptureDevices(false);
    // The graph hears of the loss, and the stream ends.
    bool lost = false, complete = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!(lost && complete) && std::chrono::steady_clock::now() < deadline) {
        LONG code = 0;
        LONG_PTR p1 = 0, p2 = 0;
        if (events->GetEvent(&code, &p1, &p2, 100) != S_OK) continue;
        if (code == EC_DEVICE_LOST) {
            lost = true;
            EXPECT_EQ(p1, reinterpret_cast<LONG_PTR>(device));
            EXPECT_EQ(p2, 0);
        }
        complete = complete || code == EC_COMPLETE;
    }
    events->Release();
    EXPECT_TRUE(lost);
    EXPECT_TRUE(complete);
    control->Stop();
    const double recorded = PassTime(mux);
    EXPECT_GE(recorded, 0.5);
    EXPECT_EQ(ProbeMedia(file, "stream=codec_name,sample_rate,channels"), "pcm_s16le\n44100\n2");
    EXPECT_NEAR(std::atof(ProbeMedia(file, "format=duration").c_str()), recorded, 0.05);

    // Gone from the list until it is plugged in again.
    ICreateDevEnum* devices = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, ICreateDevEnum::kIid,
                               reinterpret_cast<void**>(&devices)),
              S_OK);
    auto listed = [&] {
        bool found = false;
        for (ListedDevice& d : ListDevices(devices, CLSID_AudioInputDeviceCategory)) {
            found = found || d.friendlyName == "Test Audio Capture";
            d.moniker->Release();
        }
        return found;
    };
    EXPECT_FALSE(listed());
    MvPlugTestCaptureDevices(true);
    EXPECT_TRUE(listed());
    devices->Release();
}

TEST_F(CaptureRecordingTest, TestDevicesRecordAnAviOfTheChosenSizeRateAndLength)
{
    CMediaType picture;
    MakeRgbVideoType(picture, MEDIASUBTYPE_RGB24, 352, 288, 400000); // 25 frames a second
    CMediaType sound;
    MakePcmMediaType(sound, 44100, 1, 16);
    IBaseFilter* camera = Device(CLSID_VideoInputDeviceCategory, "Test Video Capture", picture);
    IBaseFilter* microphone = Device(CLSID_AudioInputDeviceCategory, "Test Audio Capture", sound);
    IBaseFilter* encoder = Add(CLSID_Mpeg4VideoEncoder, u"Encoder");
    IBaseFilter* mux = Add(CLSID_AviMux, u"AVI Mux");
    const fs::path file = dir / "capture.avi";
    IBaseFilter* writer = Writer(file);
    ASSERT_TRUE(camera && microphone && encoder && mux && writer);
    ASSERT_EQ(Link(camera, u"Capture", encoder, u"Video In"), S_OK);
    ASSERT_EQ(Link(encoder, u"Video Out", mux, u"Video In"), S_OK);
    ASSERT_EQ(Link(microphone, u"Capture", mux, u"Audio In"), S_OK);
    ASSERT_EQ(Link(mux, u"Output", writer, u"in"), S_OK);

    const double recorded = Record({encoder, mux}, mux, 2.0);
    ASSERT_GE(recorded, 2.0);
    EXPECT_EQ(ProbeMedia(file, "stream=codec_name,width,height,r_frame_rate", "v:0"), "mpeg4\n352\n288\n25/1");
    EXPECT_EQ(ProbeMedia(file, "stream=codec_name,sample_rate,channels", "a:0"), "pcm_s16le\n44100\n1");
    EXPECT_NEAR(std::atof(ProbeMedia(file, "format=duration").c_str()), recorded, 0.2);
    // The picture moves: the decoded frames are not all alike.
    const std::vector<std::string> hashes = FrameHashes(file, 10);
    ASSERT_EQ(hashes.size(), 10u);
    EXPECT_NE(hashes.front(), hashes.back());
}

} // namespace
