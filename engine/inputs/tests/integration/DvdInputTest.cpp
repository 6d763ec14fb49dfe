#include "CDvdInputFilters2.h"
#include "InputGraphTest.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace {

class DvdInputTest : public InputGraphTest {
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
        InputGraphTest::SetUp();
    }

    static fs::path* sFolder;
    static bool sMade;
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

    auto video = NullRenderer("Video Renderer");
    auto audio = NullRenderer("Audio Renderer");
    ASSERT_TRUE(dvd.GetVideoPin(kOutputProcessing, 0)->Connect(video->GetInputPin(), nullptr));
    ASSERT_TRUE(dvd.GetAudioPin(kOutputProcessing, 0)->Connect(audio->GetInputPin(), nullptr));
    dvd.PlayTitle(0, 2);
    RunToCompletion();
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
