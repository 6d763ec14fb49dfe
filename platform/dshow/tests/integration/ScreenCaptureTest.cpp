#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/FilterGraph.h"
#include "dshow/StreamFileWriter.h"
#include "dshow/StreamMultiplexer.h"
#include "dshow/WideText.h"
#include "dshow/capture/CaptureInterfaces.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/interfaces/ScreenCaptureSettings.h"

#include "CaptureGraph.h"
#include "MediaFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

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
    void SetUp() override
    {
        CoInitialize(nullptr);
        dir = fs::temp_directory_path() / ("mvdshow_screen_" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        if (control) control->Stop();
        SafeRelease(control);
        for (IBaseFilter* f : filters) f->Release();
        SafeRelease(graph);
        fs::remove_all(dir);
        CoUninitialize();
    }

    // The screen source, set up by `setup`, through the MPEG-4 encoder into an AVI file.
    void Build(const std::function<void(IScreenCaptureSettings*)>& setup, const fs::path& file)
    {
        ASSERT_EQ(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IGraphBuilder::kIid,
                                   reinterpret_cast<void**>(&graph)),
                  S_OK);
        ASSERT_EQ(QueryInterfaceTo<IMediaControl>(graph, &control), S_OK);
        IBaseFilter* screen = CreateScreen();
        ASSERT_NE(screen, nullptr);
        filters.push_back(screen);
        IScreenCaptureSettings* settings = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IScreenCaptureSettings>(screen, &settings), S_OK);
        setup(settings);
        settings->Release();
        const std::pair<const CLSID*, const char16_t*> others[] = {
            {&CLSID_Mpeg4VideoEncoder, u"Encoder"}, {&CLSID_AviMux, u"AVI Mux"}, {&CLSID_FileWriter, u"File Writer"}};
        graph->AddFilter(screen, u"Screen Capture");
        for (const auto& [clsid, name] : others) {
            IBaseFilter* filter = nullptr;
            ASSERT_EQ(CoCreateInstance(*clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                       reinterpret_cast<void**>(&filter)),
                      S_OK);
            filters.push_back(filter);
            graph->AddFilter(filter, name);
        }
        IFileSinkFilter* sink = nullptr;
        ASSERT_EQ(QueryInterfaceTo<IFileSinkFilter>(filters[3], &sink), S_OK);
        sink->SetFileName(WideText(file.string()).c_str(), nullptr);
        sink->Release();
        ASSERT_EQ(Link(filters[0], u"Capture", filters[1], u"Video In"), S_OK);
        ASSERT_EQ(Link(filters[1], u"Video Out", filters[2], u"Video In"), S_OK);
        ASSERT_EQ(Link(filters[2], u"Output", filters[3], u"in"), S_OK);
    }

    HRESULT Link(IBaseFilter* from, const char16_t* out, IBaseFilter* to, const char16_t* in)
    {
        return LinkPins(graph, from, out, to, in);
    }

    fs::path dir;
    IGraphBuilder* graph = nullptr;
    IMediaControl* control = nullptr;
    std::vector<IBaseFilter*> filters; // screen, encoder, mux, writer
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
    const fs::path file = dir / "screen.avi";
    Build(
        [](IScreenCaptureSettings* settings) {
            EXPECT_EQ(settings->SetCapture(7), E_INVALIDARG);
            EXPECT_EQ(settings->SetWidth(0), E_INVALIDARG);
            EXPECT_EQ(settings->SetFrameRate(-1), E_INVALIDARG);
            EXPECT_EQ(settings->SetCapture(100), S_OK);
            EXPECT_EQ(settings->SetX(16), S_OK);
            EXPECT_EQ(settings->SetY(8), S_OK);
            EXPECT_EQ(settings->SetWidth(162), S_OK); // kept to whole blocks of 4: 160
            EXPECT_EQ(settings->SetHeight(120), S_OK);
            EXPECT_EQ(settings->SetFrameRate(10), S_OK);
        },
        file);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_EQ(control->Run(), S_OK);
    EXPECT_TRUE(WaitUntil([&] { return PassTime(filters[2]) >= 1.5; }));
    control->Stop();
    const double seconds = PassTime(filters[2]);
    EXPECT_GE(seconds, 1.5);
    EXPECT_EQ(ProbeMedia(file, "stream=codec_name,width,height,r_frame_rate", "v:0"), "mpeg4\n160\n120\n10/1");
    EXPECT_NEAR(std::atof(ProbeMedia(file, "format=duration").c_str()), seconds, 0.2);
}

TEST_F(ScreenCaptureTest, AWindowCaptureWithoutAWindowStopsWithAnError)
{
    OwnDisplay display;
    if (!display.Running()) GTEST_SKIP() << "Xvfb could not start";
    Build([](IScreenCaptureSettings* settings) { EXPECT_EQ(settings->SetCapture(101), S_OK); }, dir / "none.avi");
    ASSERT_FALSE(HasFatalFailure());
    IMediaEvent* events = nullptr;
    ASSERT_EQ(QueryInterfaceTo<IMediaEvent>(graph, &events), S_OK);
    ASSERT_EQ(control->Run(), S_OK);
    LONG code = 0;
    LONG_PTR p1 = 0, p2 = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (code != EC_ERRORABORT && std::chrono::steady_clock::now() < deadline)
        if (events->GetEvent(&code, &p1, &p2, 100) != S_OK) code = 0;
    events->Release();
    EXPECT_EQ(code, EC_ERRORABORT);
    EXPECT_EQ(HRESULT(p1), E_INVALIDARG);
    EXPECT_EQ(control->Stop(), S_OK);
}

} // namespace
