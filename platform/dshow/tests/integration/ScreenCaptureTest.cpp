#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/FilterGraph.h"
#include "dshow/StreamFileWriter.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/WideText.h"
#include "dshow/capture/CaptureInterfaces.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/interfaces/ScreenCaptureSettings.h"

#include "MediaFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;
namespace fs = std::filesystem;

namespace {

// An X server of the test's own (Xvfb names a free display on the pipe), made DISPLAY.
class OwnDisplay {
public:
    OwnDisplay()
    {
        int pipeEnds[2];
        if (::pipe(pipeEnds) != 0) return;
        const std::string fd = std::to_string(pipeEnds[1]);
        const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp", nullptr};
        if (posix_spawnp(&m_pid, "Xvfb", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0) m_pid = 0;
        ::close(pipeEnds[1]);
        std::string number;
        char c;
        pollfd ready{pipeEnds[0], POLLIN, 0};
        while (m_pid && ::poll(&ready, 1, 20000) > 0 && ::read(pipeEnds[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(pipeEnds[0]);
        if (const char* old = std::getenv("DISPLAY")) m_old = old;
        if (!number.empty()) ::setenv("DISPLAY", (":" + number).c_str(), 1);
        m_running = !number.empty();
    }
    ~OwnDisplay()
    {
        if (m_old.empty()) ::unsetenv("DISPLAY");
        else ::setenv("DISPLAY", m_old.c_str(), 1);
        if (!m_pid) return;
        ::kill(m_pid, SIGTERM);
        int status;
        ::waitpid(m_pid, &status, 0);
    }
    bool Running() const { return m_running; }

private:
    pid_t m_pid = 0;
    bool m_running = false;
    std::string m_old;
};

IBaseFilter* CreateScreen()
{
    IBaseFilter* screen = nullptr;
    CoCreateInstance(CLSID_ScreenCaptureSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                     reinterpret_cast<void**>(&screen));
    return screen;
}

class ScreenCaptureTest : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }
};

TEST_F(ScreenCaptureTest, WithoutAnXDisplayTheSourceIsRefused)
{
    const char* old = std::getenv("DISPLAY");
    const std::string kept = old ? old : "";
    ::unsetenv("DISPLAY");
    EXPECT_EQ(CreateScreen(), nullptr);
    if (!kept.empty()) ::setenv("DISPLAY", kept.c_str(), 1);
}

TEST_F(ScreenCaptureTest, ARegionOfTheScreenIsRecordedAtItsSizeAndRate)
{
    OwnDisplay display;
    if (!display.Running()) GTEST_SKIP() << "Xvfb could not start";
    const fs::path dir = fs::temp_directory_path() / ("mvdshow_screen_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path file = dir / "screen.avi";
    IGraphBuilder* graph = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                               reinterpret_cast<void**>(&graph)),
              S_OK);
    IBaseFilter* screen = CreateScreen();
    ASSERT_NE(screen, nullptr);
    IScreenCaptureSettings* settings = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IScreenCaptureSettings>(screen, &settings), S_OK);
    EXPECT_EQ(settings->SetCapture(7), E_INVALIDARG);
    EXPECT_EQ(settings->SetWidth(0), E_INVALIDARG);
    EXPECT_EQ(settings->SetFrameRate(-1), E_INVALIDARG);
    EXPECT_EQ(settings->SetCapture(100), S_OK);
    EXPECT_EQ(settings->SetX(16), S_OK);
    EXPECT_EQ(settings->SetY(8), S_OK);
    EXPECT_EQ(settings->SetWidth(162), S_OK); // kept to whole blocks of 4: 160
    EXPECT_EQ(settings->SetHeight(120), S_OK);
    EXPECT_EQ(settings->SetFrameRate(10), S_OK);
    settings->Release();

    IBaseFilter* encoder = nullptr;
    IBaseFilter* mux = nullptr;
    IBaseFilter* writer = nullptr;
    IFileSinkFilter* sink = nullptr;
    for (auto [clsid, filter] : {std::pair{&CLSID_Mpeg4VideoEncoder, &encoder}, {&CLSID_AviMux, &mux}, {&CLSID_FileWriter, &writer}})
        ASSERT_EQ(CoCreateInstance(*clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid, reinterpret_cast<void**>(filter)), S_OK);
    ASSERT_EQ(QueryInterfaceTo<IFileSinkFilter>(writer, &sink), S_OK);
    sink->SetFileName(WideText(file.string()).c_str(), nullptr);
    sink->Release();
    graph->AddFilter(screen, u"Screen Capture");
    graph->AddFilter(encoder, u"Encoder");
    graph->AddFilter(mux, u"AVI Mux");
    graph->AddFilter(writer, u"File Writer");
    auto link = [&](IBaseFilter* from, const char16_t* out, IBaseFilter* to, const char16_t* in) {
        IPin* a = nullptr;
        IPin* b = nullptr;
        HRESULT hr = SUCCEEDED(from->FindPin(out, &a)) && SUCCEEDED(to->FindPin(in, &b)) ? graph->ConnectDirect(a, b, nullptr)
                                                                                         : VFW_E_NOT_FOUND;
        SafeRelease(a);
        SafeRelease(b);
        return hr;
    };
    ASSERT_EQ(link(screen, u"Capture", encoder, u"Video In"), S_OK);
    ASSERT_EQ(link(encoder, u"Video Out", mux, u"Video In"), S_OK);
    ASSERT_EQ(link(mux, u"Output", writer, u"in"), S_OK);

    IMediaControl* control = nullptr;
    IFilterPassTime* passed = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control), S_OK);
    ASSERT_EQ(QueryInterfaceTo<IFilterPassTime>(mux, &passed), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    double seconds = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while ((passed->GetPassTime(&seconds), seconds < 1.5) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    control->Stop();
    passed->GetPassTime(&seconds);
    EXPECT_GE(seconds, 1.5);
    EXPECT_EQ(ProbeMedia(file, "stream=codec_name,width,height,r_frame_rate", "v:0"), "mpeg4\n160\n120\n10/1");
    EXPECT_NEAR(std::atof(ProbeMedia(file, "format=duration").c_str()), seconds, 0.2);

    passed->Release();
    control->Release();
    for (IBaseFilter* f : {screen, encoder, mux, writer}) f->Release();
    graph->Release();
    fs::remove_all(dir);
}

} // namespace
