// The conversion step of every job, as the jobs drive it: a generated file is probed
// into a media file record, then converted through the conversion administrator from
// that record and the output settings, waiting for its end on the message loop.
#include "CAudioTrack.h"
#include "CMediaConversionAdministrator2.h"
#include "CNamedValue.h"
#include "CSliceDuration2.h"
#include "CVideoTrack.h"
#include "ConversionRoadFixture.h"
#include "ConversionTestSupport.h"

#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

class ConversionAdministratorRoadTest : public CConversionRoadFixture {
protected:
    struct SRun {
        bool created = false;
        int ends = 0;
        CString error;
        double progress = 0;
        bool progressFell = false;
        CString text;
    };
    SRun Convert(CMediaFile2& file, CMediaOutput2& output, const fs::path& target)
    {
        SRun run;
        CMediaConversionAdministrator2 admin;
        admin.SetVideoWindow(&m_window);
        admin.SetMediaFile(file);
        admin.SetMediaOutput(output);
        CSaveFile2 save;
        save.SetFilePath(target.string().c_str());
        save.SetFileReplace(kFileReplaceReplace);
        admin.SetSaveFile(save);
        CEndWatcher ends;
        admin.AddListener(&ends);
        run.created = admin.Create() && admin.Play();
        run.error = admin.GetErrorText();
        if (run.created) {
            run.text = admin.GetText();
            EXPECT_TRUE(MvPumpUntil(
                [&] {
                    const double progress = admin.GetProgress();
                    if (progress + 1e-9 < run.progress) run.progressFell = true;
                    run.progress = std::max(run.progress, progress);
                    return ends.Ends() > 0;
                },
                60000))
                << target;
            // The graph is stopped once it ended: any later notice is queued by now.
            admin.Stop();
            MvPumpUntilIdle();
            if (ends.Ends() > 0) run.error = ends.errors.back();
        }
        run.ends = ends.Ends();
        admin.RemoveListener(&ends);
        return run;
    }

};

} // namespace

TEST_F(ConversionAdministratorRoadTest, AProbedWavIsConvertedToMp3AndOgg)
{
    const fs::path wav = m_dir / "speech.wav";
    WriteToneWav(wav, 22050, 2.0);
    CMediaFile2 file;
    ASSERT_TRUE(Probe(wav, file));
    EXPECT_EQ(std::string(file.GetFilePath().GetFilePath()), wav.string());
    EXPECT_NEAR(file.GetDuration(), 2.0, 0.01);
    EXPECT_NEAR(file.GetSlice()->GetMax(), 2.0, 0.01);
    EXPECT_NEAR(file.GetSlice()->GetDuration(), 2.0, 0.01);
    EXPECT_EQ(file.GetVideoTrackCount(), 0);
    EXPECT_EQ(file.GetSubtitleTrackCount(), 0);
    ASSERT_EQ(file.GetAudioTrackCount(), 1);
    EXPECT_EQ(file.GetAudioTrack(0)->GetAudioInfo().GetSampleRate(), 22050u);
    EXPECT_EQ(file.GetAudioTrack(0)->GetAudioInfo().GetChannel(), 1);
    EXPECT_EQ(file.GetAudioTrack(0)->GetAudioInfo().GetBitsPerSample(), 16);
    file.GetTags().AddValue("TT2", "Spoken Title");

    const struct {
        ESplitterType type;
        const char* encoder;
        const char* name;
        const char* codec;
        double frame; // seconds the duration may differ by
    } outputs[] = {
        {350, "Lame_enc.dll", "speech.mp3", "mp3", (1152.0 + 576.0) / 44100},
        {1100, "Vorbis Encoder", "speech.ogg", "vorbis", 2048.0 / 44100},
    };
    for (const auto& o : outputs) {
        CMediaOutput2 output = AudioOutput(o.type, o.encoder, 128000);
        const fs::path target = m_dir / "out" / o.name;
        const SRun run = Convert(file, output, target);
        ASSERT_TRUE(run.created) << o.name << ": " << run.error;
        EXPECT_STREQ(run.text, "Converting speech.wav...");
        EXPECT_EQ(run.ends, 1) << o.name;
        EXPECT_TRUE(run.error.IsEmpty()) << o.name << ": " << run.error;
        EXPECT_FALSE(run.progressFell) << o.name;
        EXPECT_NEAR(run.progress, 1.0, 0.02) << o.name;
        const auto probed = ProbeMedia(target);
        EXPECT_EQ(ProbedValue(probed, "codec_name"), o.codec) << o.name;
        EXPECT_EQ(ProbedValue(probed, "sample_rate"), "44100") << o.name;
        EXPECT_EQ(ProbedValue(probed, "channels"), "2") << o.name;
        EXPECT_NEAR(std::atof(ProbedValue(probed, "duration").c_str()), 2.0, o.frame + 0.001) << o.name;
    }
    // The input's tags travel with it.
    EXPECT_EQ(ProbedValue(ProbeMedia(m_dir / "out" / "speech.mp3"), "title"), "Spoken Title");

    // The converted file probes as what was asked for.
    CMediaFile2 mp3;
    ASSERT_TRUE(Probe(m_dir / "out" / "speech.mp3", mp3));
    ASSERT_EQ(mp3.GetAudioTrackCount(), 1);
    EXPECT_EQ(mp3.GetAudioTrack(0)->GetAudioInfo().GetSampleRate(), 44100u);
    EXPECT_EQ(mp3.GetAudioTrack(0)->GetAudioInfo().GetChannel(), 2);
    EXPECT_NEAR(mp3.GetDuration(), 2.0, 0.1);
}

TEST_F(ConversionAdministratorRoadTest, TheProbeBringsTheFilesTagsIntoTheRecord)
{
    const fs::path mp3 = m_dir / "tagged.mp3";
    const std::string command = "ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=1 -metadata title=Greeting "
                                "-metadata artist=Reader -write_id3v1 1 '" + mp3.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    CMediaFile2 file;
    ASSERT_TRUE(Probe(mp3, file));
    CNamedValue* title = file.GetTags().FindValue("TT2");
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title->GetValue(), "Greeting");
    CNamedValue* artist = file.GetTags().FindValue("TP1");
    ASSERT_NE(artist, nullptr);
    EXPECT_STREQ(artist->GetValue(), "Reader");
    ASSERT_EQ(file.GetAudioTrackCount(), 1);
    EXPECT_NEAR(file.GetDuration(), 1.0, 0.1);
}

TEST_F(ConversionAdministratorRoadTest, AProbedVideoBringsItsPictureAndTracksAppendToThoseHeld)
{
    const fs::path clip = m_dir / "clip.mkv";
    const std::string command = "ffmpeg -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=1 -f lavfi -i "
                                "sine=frequency=440:sample_rate=48000:duration=1 -c:v mpeg4 -c:a pcm_s16le -ac 2 '" +
                                clip.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    CMediaFile2 file;
    ASSERT_TRUE(Probe(clip, file));
    EXPECT_NEAR(file.GetDuration(), 1.0, 0.1);
    ASSERT_EQ(file.GetVideoTrackCount(), 1);
    CVideoTrack* video = file.GetVideoTrack(0);
    EXPECT_EQ(video->GetVideoInfo().GetWidth(), 320);
    EXPECT_EQ(video->GetVideoInfo().GetHeight(), 240);
    EXPECT_NEAR(video->GetVideoInfo().GetFrameRate(), 25.0, 0.01);
    EXPECT_NEAR(video->GetAspectRatio().GetOriginal(), 4.0 / 3, 0.001);
    EXPECT_NEAR(video->GetAspectRatio().GetInput(), 4.0 / 3, 0.001);
    EXPECT_NEAR(video->GetAspectRatio().GetOutput(), 4.0 / 3, 0.001);
    ASSERT_EQ(file.GetAudioTrackCount(), 1);
    EXPECT_EQ(file.GetAudioTrack(0)->GetAudioInfo().GetSampleRate(), 48000u);
    EXPECT_EQ(file.GetAudioTrack(0)->GetAudioInfo().GetChannel(), 2);

    // A second probe appends what it finds.
    ASSERT_TRUE(Probe(clip, file));
    EXPECT_EQ(file.GetVideoTrackCount(), 2);
    EXPECT_EQ(file.GetAudioTrackCount(), 2);
}
