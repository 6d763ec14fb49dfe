#include "CAudioCdInputFilters2.h"
#include "CAudioTransformChain.h"
#include "CFileInputFilters2.h"
#include "CMediaTags.h"
#include "CNamedValue.h"
#include "CVideoTransformChain.h"
#include "InputGraphTest.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A mono 16-bit 440 Hz tone as a RIFF WAVE file.
std::vector<char> ToneWav(int rate, double seconds)
{
    std::vector<char> bytes;
    auto put = [&](const void* data, size_t size) {
        bytes.insert(bytes.end(), static_cast<const char*>(data), static_cast<const char*>(data) + size);
    };
    auto u32 = [&](uint32_t v) { put(&v, 4); };
    auto u16 = [&](uint16_t v) { put(&v, 2); };
    const uint32_t frames = uint32_t(rate * seconds);
    put("RIFF", 4);
    u32(36 + frames * 2);
    put("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(uint32_t(rate));
    u32(uint32_t(rate * 2));
    u16(2);
    u16(16);
    put("data", 4);
    u32(frames * 2);
    for (uint32_t i = 0; i < frames; ++i) u16(uint16_t(int16_t(8000 * std::sin(2 * M_PI * 440 * double(i) / rate))));
    return bytes;
}

void WriteFile(const fs::path& path, const std::vector<char>& bytes, size_t size)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(std::min(size, bytes.size())));
}

class FileInputChainTest : public InputGraphTest {
protected:
    void SetUp() override
    {
        InputGraphTest::SetUp();
        m_dir = fs::path(m_home.Path()) / "media";
        fs::create_directories(m_dir);
    }
    // Opens the file through the input set, leads its first audio pin through an audio chain
    // to a null renderer, plays it, and waits for the one completion.
    void PlayToNullRenderer(const fs::path& file, double seconds)
    {
        CFileInputFilters2 input(&m_graph);
        PlayToNullRenderer(input, file, seconds);
    }
    // The whole stream reaches the renderer: it last saw the time the file ends at.
    void PlayToNullRenderer(CFileInputFilters2& input, const fs::path& file, double seconds)
    {
        input.SetFilePath(file.string().c_str());
        ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
        ASSERT_EQ(input.GetTotalAudioPinCount(), 1);
        EXPECT_EQ(input.GetTotalVideoPinCount(), 0);
        CFilterPin* audio = input.GetAudioPin(kOutputProcessing, 0);
        ASSERT_NE(audio, nullptr);

        // The output side goes before the input it hangs on, as the administrator tears down.
        auto chain = std::make_unique<CAudioTransformChain>(&m_graph, audio);
        unsigned long rate = 0;
        unsigned short channels = 0;
        unsigned short bits = 0;
        ASSERT_TRUE(chain->GetAudioSettings(rate, channels, bits));
        EXPECT_EQ(rate, 22050u);
        EXPECT_EQ(channels, 1);
        EXPECT_EQ(bits, 16);

        auto renderer = NullRenderer("Null Renderer");
        ASSERT_TRUE(chain->GetOutputPin()->Connect(renderer->GetInputPin(), nullptr));
        m_graph.ConnectSeeker();
        input.ReconnectSeeker();
        EXPECT_TRUE(m_graph.SeekerConnected());
        RunToCompletion();
        double passed = 0;
        EXPECT_TRUE(renderer->GetPassTime(passed));
        EXPECT_NEAR(passed, seconds, 0.1);

        chain.reset();
        renderer->Release();
        input.Release();
    }

    fs::path m_dir;
};

} // namespace

TEST_F(FileInputChainTest, WavOpensByItsExtensionAndPlaysThroughTheChain)
{
    const fs::path wav = m_dir / "tone.WAV";
    const std::vector<char> bytes = ToneWav(22050, 1.5);
    WriteFile(wav, bytes, bytes.size());
    PlayToNullRenderer(wav, 1.5);
}

TEST_F(FileInputChainTest, WavWithItsDataCutPlaysWhatItHolds)
{
    const fs::path wav = m_dir / "cut.wav";
    const std::vector<char> bytes = ToneWav(22050, 2.0);
    // The header still announces two seconds.
    WriteFile(wav, bytes, 44 + 22050 * 2);
    PlayToNullRenderer(wav, 1.0);
}

TEST_F(FileInputChainTest, FilesThatAreNoMediaFailWithTheErrorText)
{
    const std::vector<char> wav = ToneWav(22050, 0.5);
    const std::vector<char> text = {'n', 'o', ' ', 'm', 'e', 'd', 'i', 'a', '\n'};
    struct Case {
        const char* name;
        std::vector<char> bytes;
        size_t size;
    } cases[] = {
        {"text.wav", text, text.size()},
        {"header.wav", wav, 30},
        {"empty.wav", wav, 0},
        {"text.unknown", text, text.size()},
    };
    for (const Case& c : cases) {
        const fs::path file = m_dir / c.name;
        WriteFile(file, c.bytes, c.size);
        CFileInputFilters2 input(&m_graph);
        input.SetFilePath(file.string().c_str());
        EXPECT_FALSE(input.CreateAndConnect()) << c.name;
        // The first failure of the trial names the step that failed.
        const CString error = input.GetErrorText();
        EXPECT_TRUE(error == "Unable to create file source." || error == "Unable to create splitter.")
            << c.name << ": " << error;
        EXPECT_EQ(input.GetTotalAudioPinCount(), 0) << c.name;
        EXPECT_EQ(input.GetFileSource(), nullptr) << c.name;
    }
    CFileInputFilters2 missing(&m_graph);
    missing.SetFilePath((m_dir / "absent.wav").string().c_str());
    EXPECT_FALSE(missing.CreateAndConnect());
}

TEST_F(FileInputChainTest, AudioCdTrackFileReadsThroughTheAudioTrackSource)
{
    const fs::path track = m_dir / "track01.wav";
    const std::vector<char> bytes = ToneWav(22050, 1.0);
    WriteFile(track, bytes, bytes.size());
    CAudioCdInputFilters2 cd(&m_graph);
    PlayToNullRenderer(cd, track, 1.0);

    // A drive address on a machine without that drive fails cleanly.
    CAudioCdInputFilters2 drive(&m_graph);
    drive.SetAdapterId(200);
    drive.SetTrackNumber(1);
    EXPECT_FALSE(drive.CreateAndConnect());
    EXPECT_EQ(drive.GetErrorText(), CString("Unable to create audio CD reader."));
}

TEST_F(FileInputChainTest, SeveralFilesPlayAsOne)
{
    const std::vector<char> first = ToneWav(22050, 0.5);
    const std::vector<char> second = ToneWav(22050, 1.0);
    WriteFile(m_dir / "a.wav", first, first.size());
    WriteFile(m_dir / "b.wav", second, second.size());
    CFileInputFilters2 input(&m_graph);
    input.AddMultiFilePath((m_dir / "a.wav").string().c_str());
    input.AddMultiFilePath((m_dir / "b.wav").string().c_str());
    PlayToNullRenderer(input, m_dir / "a.wav", 1.5);
}

TEST_F(FileInputChainTest, VideoIsDecodedByARegistryDecoderAndPlaysThroughTheVideoChain)
{
    const fs::path avi = m_dir / "clip.avi";
    const std::string make = "ffmpeg -v error -f lavfi -i testsrc=size=160x120:rate=10 -t 1 -c:v mjpeg -y '" +
                             avi.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath(avi.string().c_str());
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    ASSERT_EQ(input.GetTotalVideoPinCount(), 1);
    {
        CVideoTransformChain chain(&m_graph, input.GetVideoPin(kOutputProcessing, 0));
        ASSERT_TRUE(chain.ConnectDecoder());
        EXPECT_TRUE(chain.IsDecoderPin());
        unsigned short width = 0;
        unsigned short height = 0;
        double aspect = 0;
        ASSERT_TRUE(chain.GetVideoSize(width, height, aspect));
        EXPECT_EQ(width, 160);
        EXPECT_EQ(height, 120);
        GUID subtype{};
        unsigned long code = 0;
        bool plain = true;
        GUID decoder{};
        GUID decoder2{};
        ASSERT_TRUE(chain.GetStreamType(subtype, code, plain, decoder, decoder2));
        EXPECT_FALSE(plain);
        EXPECT_EQ(decoder, chain.GetDecoderId());
        auto renderer = NullRenderer("Null Renderer");
        ASSERT_TRUE(chain.GetOutputPin()->Connect(renderer->GetInputPin(), nullptr));
        RunToCompletion();
        double passed = 0;
        EXPECT_TRUE(renderer->GetPassTime(passed));
        EXPECT_NEAR(passed, 0.9, 0.15);
        chain.Release();
        renderer->Release();
    }
    input.Release();
}

TEST_F(FileInputChainTest, Mp3IsDecodedThroughTheAudioChainAndGivesItsTags)
{
    const fs::path mp3 = m_dir / "song.mp3";
    const std::string make = "ffmpeg -v error -f lavfi -i sine=frequency=440:sample_rate=44100 -t 1 -c:a libmp3lame "
                             "-b:a 128k -write_id3v1 1 -metadata title=Evening -y '" + mp3.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath(mp3.string().c_str());
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    CMediaTags tags;
    ASSERT_TRUE(input.GetTags(tags));
    ASSERT_NE(tags.FindValue("TT2"), nullptr);
    EXPECT_EQ(tags.FindValue("TT2")->GetValue(), CString("Evening"));
    ASSERT_EQ(input.GetTotalAudioPinCount(), 1);
    {
        CAudioTransformChain chain(&m_graph, input.GetAudioPin(kOutputProcessing, 0));
        ASSERT_TRUE(chain.ConnectDecoder());
        EXPECT_NE(chain.GetDecoderId(), GUID_NULL);
        unsigned long rate = 0;
        unsigned short channels = 0;
        unsigned short bits = 0;
        ASSERT_TRUE(chain.GetAudioSettings(rate, channels, bits));
        EXPECT_EQ(rate, 44100u);
        auto renderer = NullRenderer("Null Renderer");
        ASSERT_TRUE(chain.GetOutputPin()->Connect(renderer->GetInputPin(), nullptr));
        RunToCompletion();
        double passed = 0;
        EXPECT_TRUE(renderer->GetPassTime(passed));
        EXPECT_NEAR(passed, 1.0, 0.1);
        chain.Release();
        renderer->Release();
    }
    input.Release();
}

TEST_F(FileInputChainTest, VideoStagesScaleAndRegulateTheDecodedPictures)
{
    const fs::path avi = m_dir / "big.avi";
    const std::string make = "ffmpeg -v error -f lavfi -i testsrc=size=320x240:rate=10 -t 1 -c:v mjpeg -y '" +
                             avi.string() + "'";
    ASSERT_EQ(std::system(make.c_str()), 0);
    CFileInputFilters2 input(&m_graph);
    input.SetFilePath(avi.string().c_str());
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();
    {
        CVideoTransformChain chain(&m_graph, input.GetVideoPin(kOutputProcessing, 0));
        ASSERT_TRUE(chain.ConnectDecoder());
        ASSERT_TRUE(chain.ConnectTimeCleaner());
        ASSERT_TRUE(chain.ConnectBuffer());
        ASSERT_TRUE(chain.ConnectScaler(160, 120, kImageFlipNone, kImageRotationNone, 0, 0, kScaleToFit,
                                        EColorFormat(0), false, false));
        ASSERT_TRUE(chain.ConnectPulseRegulator(5, true));
        EXPECT_FALSE(chain.IsDecoderPin());
        unsigned short width = 0;
        unsigned short height = 0;
        double rate = 0;
        double aspect = 0;
        ASSERT_TRUE(chain.GetVideoSetting(width, height, rate, aspect));
        EXPECT_EQ(width, 160);
        EXPECT_EQ(height, 120);
        auto renderer = NullRenderer("Null Renderer");
        ASSERT_TRUE(chain.GetOutputPin()->Connect(renderer->GetInputPin(), nullptr));
        RunToCompletion();
        double passed = 0;
        EXPECT_TRUE(renderer->GetPassTime(passed));
        EXPECT_GT(passed, 0.5);
        chain.Disconnect();
        EXPECT_EQ(chain.GetOutputPin(), input.GetVideoPin(kOutputProcessing, 0));
        renderer->Release();
    }
    input.Release();
}
