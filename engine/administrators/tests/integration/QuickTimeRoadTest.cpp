// A spoken WAV converted to MPEG-4 audio (M4A) and AIFF through the engine's administrators
// with QuickTime started, the outputs checked with FFmpeg.
#include "ConversionRoad.h"
#include "StQuickTime.h"
#include "StQuickTimeLoader.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

class QuickTimeRoadTest : public CConversionRoad {
protected:
    StQuickTime m_quickTime;
    StQuickTimeLoader m_loader;
};

} // namespace

TEST_F(QuickTimeRoadTest, AProbedWavBecomesM4aMovAndAiff)
{
    ASSERT_TRUE(m_quickTime.IsStarted());
    EXPECT_TRUE(StQuickTime::CheckVersion());
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(2.0, file));
    // One AAC frame: 1024 samples at 44.1 kHz.
    const struct {
        ESplitterType type;
        const char* name;
        const char* codec;
        const char* expected;
        double frame;
    } outputs[] = {
        {640, "voice.m4a", "", "aac", 1024.0 / 44100},
        {650, "voice.aif", "", "pcm_s16be", 1.0 / 44100},
        // The movie writer's sound compressor chosen by its name in QuickTime's list.
        {600, "voice.mov", "Apple IMA 4:1", "adpcm_ima_qt", 64.0 / 44100},
    };
    for (const auto& o : outputs) {
        SOutput output;
        output.type = o.type;
        output.codec = o.codec;
        output.path = m_dir / "out" / o.name;
        ASSERT_TRUE(RunsToTheEnd(file, output)) << o.name;
        ExpectAudio(output.path, o.expected, "44100", "2", 2.0, o.frame + 0.001);
    }
}

TEST_F(QuickTimeRoadTest, WithoutQuickTimeTheWritersAreNotCreated)
{
    // With no start of QuickTime alive the QuickTime writers are refused.
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(0.5, file));
    const int starts = StQuickTime::sStarts;
    StQuickTime::sStarts = 0;
    SOutput output;
    output.type = 640;
    output.path = m_dir / "out" / "none.m4a";
    const SRun run = Run(file, output);
    StQuickTime::sStarts = starts;
    EXPECT_FALSE(run.created);
    EXPECT_FALSE(run.error.IsEmpty());
}

TEST_F(QuickTimeRoadTest, ACodecRowQuickTimeCannotEncodeEndsTheJobWithAnError)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(0.5, file));
    SOutput output;
    output.type = 600;
    output.codec = "Apple MACE 3:1";
    output.path = m_dir / "out" / "mace.mov";
    const SRun run = Run(file, output);
    EXPECT_FALSE(run.created && run.aborts == 0 && run.completions == 1);
    // The writer refuses to start: the task's own text.
    EXPECT_EQ(std::string(run.error).rfind("Unable to start the task.", 0), 0u) << run.error;
}

TEST_F(QuickTimeRoadTest, DamagedMpeg4AndMovieInputEndsTheJobAndNeverHangs)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(1.0, file));
    for (const auto& [type, name] : {std::pair<ESplitterType, const char*>{640, "whole.m4a"}, {600, "whole.mov"}}) {
        SOutput output;
        output.type = type;
        output.path = m_dir / name;
        ASSERT_TRUE(RunsToTheEnd(file, output)) << name;
        ExpectDamagedCopiesEnd(output.path);
    }
}
