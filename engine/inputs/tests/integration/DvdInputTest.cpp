#include "CDirectShowGraph.h"
#include "CDirectShowWindow.h"
#include "CDvdInputFilters2.h"
#include "CFilterPin.h"
#include "CListener.h"
#include "COutputFilter.h"
#include "StDirectShow.h"
#include "dshow/SinkFilter.h"
#include "win32/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

class CCompletionCounter : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowGraph::kGraphCompleteMessage) ++completions;
        return CListener::ListenToMessage(message, p, q);
    }
    int completions = 0;
};

class DvdInputTest : public ::testing::Test {
protected:
    // A DVD-Video folder of one three-second title in three chapters with English AC-3 sound.
    static void SetUpTestSuite()
    {
        sFolder = new fs::path(fs::temp_directory_path() / ("mvgraph_dvd_" + std::to_string(::getpid())));
        fs::create_directories(*sFolder);
        const std::string dir = sFolder->string();
        const std::string make =
            "cd '" + dir + "' && ffmpeg -v error -f lavfi -i testsrc=size=720x576:rate=25 -f lavfi -i "
            "sine=frequency=440:sample_rate=48000 -t 3 -target pal-dvd -y title.mpg && "
            "VIDEO_FORMAT=PAL dvdauthor -o dvd -t -a ac3+en -c 0,1,2 title.mpg >/dev/null 2>&1 && "
            "VIDEO_FORMAT=PAL dvdauthor -o dvd -T >/dev/null 2>&1";
        sMade = std::system(make.c_str()) == 0;
    }
    static void TearDownTestSuite()
    {
        fs::remove_all(*sFolder);
        delete sFolder;
    }
    void SetUp() override
    {
        ASSERT_TRUE(sMade);
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
        ASSERT_TRUE(m_graph.Create());
        m_graph.SetVideoWindow(&m_window);
    }
    void TearDown() override
    {
        m_graph.Release();
        m_window.DestroyWindow();
    }
    std::unique_ptr<COutputFilter> Renderer(const char* name)
    {
        auto renderer = std::make_unique<COutputFilter>();
        renderer->SetGraph(&m_graph);
        renderer->SetName(name);
        renderer->SetId(CLSID_NullRenderer);
        renderer->SetInputPin(new CFilterPin(renderer.get(), "", true));
        EXPECT_TRUE(renderer->Create());
        return renderer;
    }

    static fs::path* sFolder;
    static bool sMade;
    MvTestHome m_home;
    StDirectShow m_com;
    CDirectShowWindow m_window;
    CDirectShowGraph m_graph;
};

fs::path* DvdInputTest::sFolder = nullptr;
bool DvdInputTest::sMade = false;

} // namespace

TEST_F(DvdInputTest, FolderAnswersItsTitlesAndPlaysTheChosenChapters)
{
    CDvdInputFilters2 dvd(&m_graph);
    dvd.SetFilePath((*sFolder / "dvd").string().c_str());
    ASSERT_TRUE(dvd.CreateAndConnect()) << dvd.GetErrorText();
    EXPECT_EQ(dvd.GetTitleCount(), 1u);
    EXPECT_EQ(dvd.GetChapterCount(0), 3u);
    EXPECT_EQ(dvd.GetAudioStreamCount(), 1u);
    EXPECT_EQ(dvd.GetAudioStream(0), CString("English"));
    EXPECT_EQ(dvd.GetAngleCount(), 1u);
    EXPECT_EQ(dvd.GetSubpicStreamCount(), 0u);
    ASSERT_EQ(dvd.GetVideoPinCount(kOutputProcessing), 1);
    ASSERT_EQ(dvd.GetAudioPinCount(kOutputProcessing), 1);

    auto video = Renderer("Video Renderer");
    auto audio = Renderer("Audio Renderer");
    ASSERT_TRUE(dvd.GetVideoPin(kOutputProcessing, 0)->Connect(video->GetInputPin(), nullptr));
    ASSERT_TRUE(dvd.GetAudioPin(kOutputProcessing, 0)->Connect(audio->GetInputPin(), nullptr));
    dvd.PlayTitle(0, 2);
    m_graph.ConnectSeeker();
    m_graph.TurnOffReferenceClock();
    CCompletionCounter counter;
    m_graph.AddListener(&counter);
    long result = -1;
    ASSERT_TRUE(m_graph.Play(result));
    ASSERT_TRUE(MvPumpUntil([&] { return counter.completions > 0; }, 30000));
    EXPECT_EQ(counter.completions, 1);
    // Two of the three one-second chapters reached the renderers; the sound of a chapter's
    // end is stored behind its pictures, so less of it comes before the stop.
    double videoTime = 0;
    double audioTime = 0;
    ASSERT_TRUE(video->GetPassTime(videoTime));
    ASSERT_TRUE(audio->GetPassTime(audioTime));
    EXPECT_GT(videoTime, 1.5);
    EXPECT_LT(videoTime, 2.5);
    EXPECT_GT(audioTime, 0.5);
    EXPECT_LT(audioTime, 2.5);
    m_graph.RemoveListener(&counter);
    m_graph.Stop();
    m_graph.DisconnectSeeker();
    video->Release();
    audio->Release();
    dvd.Release();
}

TEST_F(DvdInputTest, FolderThatIsNoDvdFailsTheSet)
{
    CDvdInputFilters2 dvd(&m_graph);
    dvd.SetFilePath(m_home.Path().c_str());
    EXPECT_FALSE(dvd.CreateAndConnect());
    EXPECT_FALSE(dvd.GetErrorText().IsEmpty());
    EXPECT_EQ(dvd.GetTitleCount(), 0u);
}
