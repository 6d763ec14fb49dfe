// The portable player's and the cell phone's built-in presets decided for a made clip and
// for a tone, then converted by the conversion administrators: the player's video with its
// thumbnail beside it, and MP3 sound written through the MPEG-1 type. Each written file is
// read back with FFmpeg.
#include "CFormatDecision.h"
#include "CMediaConversionAdministrator2.h"
#include "CMediaConversionData.h"
#include "CPspConversionAdministrator.h"
#include "CSaveFile2.h"
#include "CTargetDecisions.h"
#include "ConversionRoadFixture.h"
#include "ConversionTestSupport.h"
#include "UTargetPresets.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

namespace {

class PspPresetRoadTest : public CConversionRoadFixture {
protected:
    void SetUp() override
    {
        CConversionRoadFixture::SetUp();
        UTargetPresets::Add(m_presets, UTargetPresets::kPsp);
        UTargetPresets::Add(m_presets, UTargetPresets::kCellPhone);
        m_presets.EnsurePlatforms();
    }

    // The platform's preset decided for the probed file, its streams those of the file.
    bool Decide(const fs::path& input, const char* platform, CMediaConversionData& job)
    {
        if (!Probe(input, job.GetInput())) return false;
        CFormatDecision decision;
        decision.SetPlatform(platform);
        decision.SetFormat(&job.GetInput(), &job.GetMediaOutput(), true);
        return true;
    }

    // The job converted to the path by the administrator; true when it ended without an error.
    bool Convert(CMediaConversionAdministrator2& admin, CMediaConversionData& job, const fs::path& target)
    {
        admin.SetVideoWindow(&m_window);
        admin.SetMediaFile(job.GetInput());
        admin.SetMediaOutput(job.GetMediaOutput());
        CSaveFile2 save;
        save.SetFilePath(target.string().c_str());
        save.SetFileReplace(kFileReplaceReplace);
        admin.SetSaveFile(save);
        CEndWatcher ends;
        admin.AddListener(&ends);
        const bool started = admin.Create() && admin.Play();
        EXPECT_TRUE(started) << admin.GetErrorText();
        const bool ended = started && MvPumpUntil([&] { return ends.Ends() > 0; }, 120000);
        admin.RemoveListener(&ends);
        admin.Release();
        return ended && ends.errors.back().IsEmpty();
    }

    CTargetDecisions m_presets;
};

} // namespace

TEST_F(PspPresetRoadTest, ThePlayersVideoPresetWritesItsMp4AndThumbnail)
{
    const fs::path clip = m_dir / "holiday.avi";
    const std::string make = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=640x480:rate=25:duration=4 "
                             "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=4 -ac 2 -c:v mjpeg -q:v 3 "
                             "-c:a pcm_s16le '" + clip.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    CMediaConversionData job;
    ASSERT_TRUE(Decide(clip, "PSP", job));
    ASSERT_EQ(job.GetMediaOutput().GetSplitterType(), 2022);
    ASSERT_TRUE(job.GetMediaOutput().GetWantsVideo());

    const fs::path movie = m_dir / "out" / "M4V10001.MP4";
    CPspConversionAdministrator admin;
    ASSERT_TRUE(Convert(admin, job, movie));
    const auto video = ProbeMedia(movie, "v");
    EXPECT_EQ(ProbedValue(video, "codec_name"), "mpeg4");
    EXPECT_EQ(ProbedValue(video, "width"), "320");
    EXPECT_EQ(ProbedValue(video, "height"), "240");
    EXPECT_NEAR(std::atof(ProbedValue(video, "duration").c_str()), 4.0, 0.2);
    EXPECT_EQ(ProbedValue(ProbeMedia(movie), "codec_name"), "aac");

    const auto thumbnail = ProbeMedia(m_dir / "out" / "M4V10001.THM", "v");
    EXPECT_EQ(ProbedValue(thumbnail, "width"), "120");
    EXPECT_EQ(ProbedValue(thumbnail, "height"), "90");
}

TEST_F(PspPresetRoadTest, TheMp3PresetsWriteMp3ThroughTheMpegOneType)
{
    const fs::path tone = m_dir / "voice.wav";
    WriteToneWav(tone, 44100, 3.0, 2);
    for (const char* platform : {"PSP", "Cell Phone"}) {
        SCOPED_TRACE(platform);
        CMediaConversionData job;
        ASSERT_TRUE(Decide(tone, platform, job));
        ASSERT_EQ(job.GetMediaOutput().GetSplitterType(), 300);
        ASSERT_FALSE(job.GetMediaOutput().GetWantsVideo());
        const fs::path target = m_dir / "out" / (std::string(platform) + ".mp3");
        CMediaConversionAdministrator2 admin;
        ASSERT_TRUE(Convert(admin, job, target));
        const auto sound = ProbeMedia(target);
        EXPECT_EQ(ProbedValue(sound, "codec_name"), "mp3");
        EXPECT_EQ(ProbedValue(sound, "channels"), "2");
        EXPECT_NEAR(std::atof(ProbedValue(sound, "duration").c_str()), 3.0, 0.1);
        EXPECT_EQ(ProbedValue(ProbeMedia(target, "v"), "codec_name"), "");
    }
}
