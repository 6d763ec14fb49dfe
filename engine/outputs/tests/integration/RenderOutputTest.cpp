#include "CAudioRendererFilter.h"
#include "CDirectShowGraph.h"
#include "CDirectShowWindow.h"
#include "CFileInputFilters2.h"
#include "CFilterPin.h"
#include "CListener.h"
#include "CRenderOutputFilters2.h"
#include "EngineTestMedia.h"
#include "StDirectShow.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class CCompletions : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowGraph::kGraphCompleteMessage) ++count;
        return CListener::ListenToMessage(message, p, q);
    }
    int count = 0;
};

TEST(RenderOutputTest, SpokenWavPlaysToTheSoundCardOnce)
{
    MvTestHome home;
    StDirectShow com;
    const fs::path wav = fs::path(home.Path()) / "short.wav";
    WriteToneWav(wav, 22050, 0.5);
    CDirectShowWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
    CDirectShowGraph graph;
    ASSERT_TRUE(graph.Create());
    graph.SetVideoWindow(&window);
    CFileInputFilters2 input(&graph);
    input.SetFilePath(wav.string().c_str());
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    // File inputs serve processing sets; the render set takes the same pins as its own kind.
    CRenderOutputFilters2 render(&graph);
    render.SetOutputType(kOutputProcessing);
    ASSERT_TRUE(render.Connect(&input)) << render.GetErrorText();
    ASSERT_NE(render.GetAudioRenderer(), nullptr);
    EXPECT_NE(render.GetAudioRenderer()->GetInputPin()->GetConnectedPin(), nullptr);
    EXPECT_EQ(render.GetAudioChainCount(), 1);

    input.ReconnectSeeker();
    CCompletions completions;
    graph.AddListener(&completions);
    long result = -1;
    ASSERT_TRUE(graph.Play(result));
    ASSERT_TRUE(MvPumpUntil([&] { return completions.count > 0; }, 30000));
    EXPECT_EQ(completions.count, 1);
    graph.RemoveListener(&completions);
    graph.Stop();
    graph.DisconnectSeeker();
    render.Release();
    EXPECT_EQ(render.GetAudioRenderer(), nullptr);
    input.Release();
    graph.Release();
    window.DestroyWindow();
}

} // namespace
