// Files probed by the file check and played with the source it recorded: a file the
// generic file source and a splitter read has no source id, and the player then takes the
// engine's default source, which must open it too.
#include "../../../tests/EngineTestMedia.h"
#include "CDirectShowGraph.h"
#include "CDirectShowWindow.h"
#include "CFileCheckAdministrator2.h"
#include "CFilePlaybackAdministrator2.h"
#include "StDirectShow.h"
#include "UMediaFileInfo.h"
#include "win32/TestHome.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class CCompletion : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowAdministrator2::kGraphCompleteMessage) {
            ++ends;
            // Where the graph is as the completion is told.
            auto* administrator = static_cast<const CDirectShowAdministrator2*>(p);
            if (CDirectShowGraph* graph = administrator ? administrator->GetGraph() : nullptr) graph->GetPosition(position);
        }
        return CListener::ListenToMessage(message, p, q);
    }
    int ends = 0;
    double position = -1;
};

class DefaultSourcePlaybackTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("MORVANE_AUDIO", "null", 1); }

    MvTestHome home;
    StDirectShow com;
};

TEST_F(DefaultSourcePlaybackTest, ProbedWavMp3AndAviFilesPlayThroughTheDefaultSource)
{
    const fs::path wav = fs::path(home.Path()) / "tone.wav";
    WriteToneWav(wav, 44100, 1.0, 2);
    const fs::path mp3 = fs::path(home.Path()) / "tone.mp3";
    const fs::path avi = fs::path(home.Path()) / "clip.avi";
    ASSERT_EQ(0, std::system(("ffmpeg -v error -y -i '" + wav.string() + "' '" + mp3.string() + "'").c_str()));
    ASSERT_EQ(0, std::system(("ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=10:duration=1 -f lavfi "
                              "-i sine=duration=1 -c:v mpeg4 -c:a pcm_s16le '" + avi.string() + "'").c_str()));
    for (const fs::path& file : {wav, mp3, avi}) {
        SCOPED_TRACE(file.filename().string());
        CFileCheckAdministrator2 check;
        check.SetFilePath(file.string().c_str());
        ASSERT_TRUE(check.Create()) << check.GetErrorText();
        GUID source = GUID_NULL;
        ASSERT_TRUE(UMediaFileInfo::GetFileFormat(&check, &source, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
        check.Release();

        CFilePlaybackAdministrator2 player;
        player.SetFilePath(file.string().c_str());
        player.SetInputId(source);
        CCompletion completion;
        player.AddListener(&completion);
        ASSERT_TRUE(player.Create()) << player.GetErrorText();
        ASSERT_TRUE(player.Play()) << player.GetErrorText();
        // The position moves on, past where a picture or a second of sound would be missing.
        EXPECT_TRUE(MvPumpUntil([&] { return completion.ends > 0 || player.GetPosition() >= 0.5; }, 60000))
            << player.GetPosition();
        EXPECT_STREQ(player.GetErrorText(), "");
        player.RemoveListener(&completion);
        player.Release();
    }
}

TEST_F(DefaultSourcePlaybackTest, AFileCheckRunToItsEndStaysAtItsEnd)
{
    const fs::path wav = fs::path(home.Path()) / "short.wav";
    WriteToneWav(wav, 22050, 0.5);
    // The graph's events reach the administrator through its window.
    CDirectShowWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "check", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
    CFileCheckAdministrator2 check;
    check.SetVideoWindow(&window);
    check.SetFilePath(wav.string().c_str());
    ASSERT_TRUE(check.Create()) << check.GetErrorText();
    CCompletion completion;
    check.AddListener(&completion);
    ASSERT_TRUE(check.Play()) << check.GetErrorText();
    ASSERT_TRUE(MvPumpUntil([&] { return completion.ends > 0; }, 60000));
    EXPECT_EQ(completion.ends, 1);
    EXPECT_NEAR(completion.position, 0.5, 0.01);
    double position = -1;
    ASSERT_TRUE(check.GetGraph()->GetPosition(position));
    EXPECT_NEAR(position, 0.5, 0.01);
    check.RemoveListener(&completion);
    check.Release();
    window.DestroyWindow();
}

} // namespace
