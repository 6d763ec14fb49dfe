// A spoken WAV probed and converted to every audio output type through the engine's
// administrators, driven the way the conversion administrator of the user interface
// drives them: probe, configure the output set in full, create, play, wait for the end.
#include "ConversionRoad.h"

#include "dshow/DShowTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace {

class ConversionRoadTest : public CConversionRoad {};

// The deep PCM tests' sound: a 440 Hz tone at half of full scale, stereo at 44.1 kHz.
constexpr int kToneRate = 44100;
double ToneAt(uint32_t frame) { return 0.5 * std::sin(2 * M_PI * 440 * double(frame) / kToneRate); }

// How far the worst decoded sample lies from the tone.
double WorstFromTone(const std::vector<double>& samples)
{
    double worst = 0;
    for (size_t i = 0; i < samples.size(); ++i) worst = std::max(worst, std::abs(samples[i] - ToneAt(uint32_t(i))));
    return worst;
}

} // namespace

TEST_F(ConversionRoadTest, AProbedWavBecomesEveryAudioOutputType)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(2.0, file));
    EXPECT_NEAR(file.duration, 2.0, 0.01);
    EXPECT_EQ(file.sampleRate, 22050u);
    EXPECT_EQ(file.channels, 1);
    EXPECT_EQ(file.bits, 16);

    const struct {
        ESplitterType type;
        const char* name;
        const char* codec;
        const char* expected;
        double frame;  // seconds the duration may differ by at 44.1 kHz
        long decoded;  // samples the decoded sound may differ by
    } outputs[] = {
        {500, "voice.out.wav", "", "pcm_s16le", 1.0 / 44100, 0},
        // The MP3 frames its sound in 1152 samples after the encoder's start, but its
        // header tells decoders the delay and padding to drop.
        {350, "voice.mp3", "Lame_enc.dll", "mp3", (1152.0 + 576.0) / 44100, 2},
        {1100, "voice.ogg", "Vorbis Encoder", "vorbis", 2048.0 / 44100, 2},
        // Containers without gapless data keep the MP3 encoder's start and last frame.
        {1200, "voice.mka", "Lame_enc.dll", "mp3", (1152.0 + 576.0) / 44100, 1152 + 1105},
        {100, "voice.avi", "Lame_enc.dll", "mp3", (1152.0 + 576.0) / 44100, 1152 + 1105},
    };
    for (const auto& o : outputs) {
        SOutput output;
        output.type = o.type;
        output.codec = o.codec;
        output.path = m_dir / "out" / o.name;
        ASSERT_TRUE(RunsToTheEnd(file, output)) << o.name;
        ExpectAudio(output.path, o.expected, "44100", "2", 2.0, o.frame + 0.001);
        EXPECT_NEAR(DecodedSamples(output.path), 2 * 44100, o.decoded) << o.name;
    }
    const auto mp3 = ProbeMedia(m_dir / "out" / "voice.mp3");
    EXPECT_EQ(ProbedValue(mp3, "title"), "Spoken Title");
    EXPECT_EQ(ProbedValue(mp3, "artist"), "Reader Voice");
}

TEST_F(ConversionRoadTest, AutomaticNamesAndReplaceOptionsDecideWhereTheOutputGoes)
{
    SProbedFile file;
    ASSERT_TRUE(ProbeTone(0.5, file));

    const fs::path target = m_dir / "out" / "take.wav";
    std::ofstream(target) << "earlier take";
    SOutput output;
    output.path = target;
    output.option = kFileReplaceRename;
    SRun run = Run(file, output);
    ASSERT_TRUE(run.created) << run.error;
    EXPECT_EQ(std::string(run.written), (m_dir / "out" / "take_2.wav").string());
    std::ifstream kept(target);
    std::string first;
    std::getline(kept, first);
    EXPECT_EQ(first, "earlier take");
    EXPECT_EQ(ProbedValue(ProbeMedia(run.written.GetString()), "codec_name"), "pcm_s16le");

    output.option = kFileReplaceReplace;
    run = Run(file, output);
    ASSERT_TRUE(run.created) << run.error;
    EXPECT_EQ(std::string(run.written), target.string());
    EXPECT_EQ(ProbedValue(ProbeMedia(target), "codec_name"), "pcm_s16le");

    // An automatic name carries the date and time after the file name.
    output.autoNaming = true;
    run = Run(file, output);
    ASSERT_TRUE(run.created) << run.error;
    const std::string written(run.written);
    EXPECT_NE(written, target.string());
    EXPECT_EQ(fs::path(written).parent_path(), target.parent_path());
    EXPECT_EQ(fs::path(written).filename().string().rfind("take", 0), 0u) << written;
    EXPECT_EQ(ProbedValue(ProbeMedia(written), "codec_name"), "pcm_s16le");
}

TEST_F(ConversionRoadTest, BadInputEndsTheJobWithAnErrorAndNeverHangs)
{
    const fs::path text = m_dir / "notes.wav";
    std::ofstream(text) << "These are notes, not sound.\n";
    SProbedFile file;
    CString error;
    EXPECT_FALSE(ProbeFile(text, file, error));
    EXPECT_FALSE(error.IsEmpty());

    EXPECT_STREQ(error, "Unable to create splitter.");
    // A conversion handed such a file fails at creation with the input set's text.
    SProbedFile unprobed;
    unprobed.path = text;
    SOutput output;
    output.path = m_dir / "out" / "notes.out.wav";
    SRun run = Run(unprobed, output);
    EXPECT_FALSE(run.created);
    EXPECT_FALSE(run.error.IsEmpty());
    EXPECT_EQ(run.completions, 0);

    // A WAV cut short of what its header announces converts what it holds and ends.
    const fs::path cut = m_dir / "cut.wav";
    WriteToneWav(cut, 22050, 2.0);
    fs::resize_file(cut, 44 + 22050);
    if (ProbeFile(cut, file, error)) {
        output.path = m_dir / "out" / "cut.out.wav";
        run = Run(file, output);
        if (run.created) {
            EXPECT_EQ(run.completions, 1);
            // Either it ended cleanly with what was there, or it ended with the abort's text.
            if (run.aborts) {
                EXPECT_STREQ(run.error, "Unknown Error. Task aborted.");
            } else {
                // What the file held: half a second of the tone.
                EXPECT_NEAR(std::atof(ProbedValue(ProbeMedia(output.path), "duration").c_str()), 0.5, 0.01);
            }
        } else {
            EXPECT_FALSE(run.error.IsEmpty());
        }
    } else {
        EXPECT_FALSE(error.IsEmpty());
    }
}

TEST_F(ConversionRoadTest, PcmOfEveryDepthStaysPcmAndIsWrittenAtTheDepthAsked)
{
    // Only the depth changes from case to case.
    constexpr int kRate = kToneRate;
    // The installed "PCM" compressor, as the codec check lists it, goes into AVI in some cases.
    AddCodec("PCM", CLSID_PcmAudioCompressor, {100});
    const struct {
        int inBits;
        bool extensible;
        int outBits;
        ESplitterType type;
        const char* compressor;
        const char* codec;
    } cases[] = {
        {8, false, 8, 500, "", "pcm_u8"},         {8, false, 24, 100, "", "pcm_s24le"},
        {16, false, 16, 500, "", "pcm_s16le"},    {16, false, 24, 500, "", "pcm_s24le"},
        {16, false, 32, 100, "PCM", "pcm_s32le"}, {16, false, 8, 100, "", "pcm_u8"},
        {24, false, 24, 100, "", "pcm_s24le"},    {24, false, 16, 500, "", "pcm_s16le"},
        {24, true, 24, 500, "", "pcm_s24le"},     {24, true, 16, 100, "PCM", "pcm_s16le"},
        {24, true, 32, 500, "", "pcm_s32le"},     {24, true, 8, 500, "", "pcm_u8"},
        {32, true, 32, 500, "", "pcm_s32le"},     {32, true, 24, 100, "PCM", "pcm_s24le"},
        {32, true, 16, 500, "", "pcm_s16le"},     {32, true, 32, 100, "", "pcm_s32le"},
    };
    for (const auto& c : cases) {
        const std::string name = "tone" + std::to_string(c.inBits) + (c.extensible ? "x" : "");
        const std::string extension = c.type == 500 ? "wav" : "avi";
        const std::string label =
            name + " to " + std::to_string(c.outBits) + "-bit " + extension + (*c.compressor ? " by the compressor" : "");
        const fs::path wav = m_dir / (name + ".wav");
        const double scale = std::ldexp(1.0, c.inBits - 1);
        WritePcmWav(wav, kRate, 2, c.inBits, c.extensible, kRate, [&](uint32_t frame) {
            // Rounded at the input's depth and placed at the top of 32 bits.
            const double value = std::clamp(std::round(ToneAt(frame) * scale), -scale, scale - 1);
            return int32_t(std::lround(value * std::ldexp(1.0, 32 - c.inBits)));
        });
        SProbedFile file;
        CString error;
        ASSERT_TRUE(ProbeFile(wav, file, error)) << label << ": " << error;
        EXPECT_EQ(file.audioSubtype, MEDIASUBTYPE_PCM) << label;
        EXPECT_EQ(file.bits, c.inBits) << label;
        EXPECT_NEAR(file.duration, 1.0, 0.001) << label;

        SOutput output;
        output.type = c.type;
        output.bits = static_cast<unsigned short>(c.outBits);
        output.codec = c.compressor;
        output.audioBitrate = 0;
        output.path = m_dir / "out" / (name + "." + std::to_string(c.outBits) + "." + extension);
        ASSERT_TRUE(RunsToTheEnd(file, output)) << label;
        // The AVI reader rounds a PCM stream's length up to whole chunks; the samples below are exact.
        const auto probed = ExpectAudio(output.path, c.codec, "44100", "2", 1.0, c.type == 500 ? 0.001 : 0.01);
        EXPECT_EQ(ProbedValue(probed, "bits_per_sample"), std::to_string(c.outBits)) << label;

        // Every sample is the tone, off by no more than the rounding of the shallower depth.
        const std::vector<double> samples = DecodedChannel(output.path, 2);
        ASSERT_EQ(long(samples.size()), kRate) << label;
        const double step = std::ldexp(1.0, 1 - std::min(c.inBits, c.outBits));
        EXPECT_LE(WorstFromTone(samples), 1.5 * step) << label;
    }
}

TEST_F(ConversionRoadTest, DeepLosslessSoundKeepsItsDepthThroughTheDecoder)
{
    // A 24-bit tone, coded losslessly by the ffmpeg tool, decoded by the engine and written
    // to a 24-bit WAV: every sample must come back to within the rounding of 24 bits, which a
    // stream decoded to 16 bits on its way misses by far.
    constexpr int kRate = kToneRate;
    const fs::path wav = m_dir / "tone24.wav";
    WritePcmWav(wav, kRate, 2, 24, false, kRate, [&](uint32_t frame) {
        return int32_t(std::lround(std::round(ToneAt(frame) * 8388608.0) * 256.0));
    });
    const struct {
        const char* extension;
        const char* coder;
    } cases[] = {{"flac", "flac"}, {"aiff", "pcm_s24be"}, {"m4a", "alac"}};
    for (const auto& c : cases) {
        const fs::path coded = m_dir / (std::string("tone24.") + c.extension);
        ASSERT_EQ(0, std::system(("ffmpeg -nostdin -v error -y -i '" + wav.string() + "' -c:a " + c.coder + " '" +
                                  coded.string() + "'")
                                     .c_str()))
            << c.extension;
        SProbedFile file;
        CString error;
        ASSERT_TRUE(ProbeFile(coded, file, error)) << c.extension << ": " << error;

        SOutput output;
        output.type = 500;
        output.bits = 24;
        output.path = m_dir / "out" / (std::string("from-") + c.extension + ".wav");
        ASSERT_TRUE(RunsToTheEnd(file, output)) << c.extension;
        const auto probed = ExpectAudio(output.path, "pcm_s24le", "44100", "2", 1.0, 0.001);
        EXPECT_EQ(ProbedValue(probed, "bits_per_sample"), "24") << c.extension;

        const std::vector<double> samples = DecodedChannel(output.path, 2);
        ASSERT_EQ(long(samples.size()), kRate) << c.extension;
        EXPECT_LE(WorstFromTone(samples), 1.5 * std::ldexp(1.0, -23)) << c.extension;
    }
}
