#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CDirectShowGraph.h"
#include "CDirectShowWindow.h"
#include "CFileInputFilters2.h"
#include "CFileOutputFilters2.h"
#include "CFormatTypes.h"
#include "CListener.h"
#include "CMediaTags.h"
#include "EngineTestDecode.h"
#include "EngineTestMedia.h"
#include "StDirectShow.h"
#include "UFilterUtils2.h"
#include "dshow/AudioEncoderFilter.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

size_t Occurrences(const fs::path& file, const std::string& text)
{
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t count = 0;
    for (size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1)) ++count;
    return count;
}

class CCompletionCounter : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowGraph::kGraphCompleteMessage) ++completions;
        return CListener::ListenToMessage(message, p, q);
    }
    int completions = 0;
};

struct Conversion {
    ESplitterType type;
    const char* file;
    const char* codecName; // empty: the stream goes to the multiplexer as PCM
    const char* expectedCodec;
};

class FileConversionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::path(m_home.Path()) / "media";
        fs::create_directories(m_dir);
        WriteToneWav(m_dir / "voice.wav", 22050, 2.0);
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
        if (!CAudioCodecsInfo::sInfo) m_codecs = std::make_unique<CAudioCodecsInfo>(true);
        AddCodec("Lame_enc.dll", CLSID_Mp3AudioEncoder, {350, 100, 1200});
        AddCodec("Vorbis Encoder", CLSID_VorbisAudioEncoder, {1100, 1200});
        m_tags.AddValue("TT2", "Spoken Title");
        m_tags.AddValue("TP1", "Reader Voice");
    }
    void TearDown() override { m_window.DestroyWindow(); }

    void AddCodec(const char* name, const GUID& id, std::initializer_list<ESplitterType> types)
    {
        CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Add(name, "");
        codec->SetId(id);
        for (ESplitterType type : types) codec->SetSupported(type, true);
    }
    // A video encoder as the codec tester finds it, for those types.
    CVideoCodecInfo* AddVideoCodec(const char* name, const GUID& id, std::initializer_list<ESplitterType> types)
    {
        if (!CVideoCodecsInfo::sInfo) m_videoCodecs = std::make_unique<CVideoCodecsInfo>(true);
        CVideoCodecInfo* codec = CVideoCodecsInfo::sInfo->Add(name, "");
        codec->SetId(id);
        for (ESplitterType type : types) codec->SetSupported(type, true);
        return codec;
    }

    // Converts the tone through the engine's input and file output sets and runs the graph to its end;
    // `video`, when given, sets the video and may change the other settings. A conversion that is
    // not to connect is only built.
    void Convert(const Conversion& c, const fs::path& out, const fs::path& in = {},
                 const std::function<void(CFileOutputFilters2&)>& video = {}, bool connects = true)
    {
        CDirectShowGraph graph;
        ASSERT_TRUE(graph.Create());
        graph.SetVideoWindow(&m_window);
        CFileInputFilters2 input(&graph);
        input.SetFilePath((in.empty() ? m_dir / "voice.wav" : in).string().c_str());
        ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();

        CFileOutputFilters2 output(&graph);
        output.SetSplitterType(c.type);
        output.SetFilePath(out.string().c_str());
        output.SetFileOption(kFileReplaceReplace);
        output.SetWantsVideo(bool(video));
        output.SetAudioCodecName(c.codecName, "");
        output.SetAudioSampleRate(44100);
        output.SetAudioChannelCount(2);
        output.SetAudioBitsPerSample(16);
        output.SetAudioBitrate(*c.codecName ? 128000 : 0);
        output.SetTags(m_tags);
        if (video) video(output);
        const bool connected = output.Connect(&input);
        ASSERT_EQ(connected, connects) << c.file << ": " << output.GetErrorText();
        if (!connected) {
            // Refused before anything was written.
            EXPECT_FALSE(fs::exists(out)) << c.file;
            output.Release();
            input.Release();
            graph.Release();
            return;
        }

        input.ReconnectSeeker();
        graph.TurnOffReferenceClock();
        CCompletionCounter counter;
        graph.AddListener(&counter);
        long result = -1;
        ASSERT_TRUE(graph.Play(result));
        ASSERT_TRUE(MvPumpUntil([&] { return counter.completions > 0; }, 60000)) << c.file;
        EXPECT_EQ(counter.completions, 1);
        graph.RemoveListener(&counter);
        graph.Stop();
        graph.DisconnectSeeker();
        output.Release();
        input.Release();
        graph.Release();
    }

    // A 2-second 320x240 picture at 25 frames per second with a tone, made by the ffmpeg tool.
    static bool MakeClip(const fs::path& clip, int sampleRate, int channels)
    {
        const std::string make = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=2 "
                                 "-f lavfi -i sine=frequency=440:sample_rate=" +
                                 std::to_string(sampleRate) + ":duration=2 -ac " + std::to_string(channels) +
                                 " -c:v mjpeg -c:a pcm_s16le '" + clip.string() + "'";
        return std::system(make.c_str()) == 0;
    }

    MvTestHome m_home;
    StDirectShow m_com;
    fs::path m_dir;
    CDirectShowWindow m_window;
    std::unique_ptr<CFormatTypes> m_types;
    std::unique_ptr<CAudioCodecsInfo> m_codecs;
    std::unique_ptr<CVideoCodecsInfo> m_videoCodecs;
    CMediaTags m_tags;
};

} // namespace

TEST_F(FileConversionTest, SpokenWavBecomesEveryAudioOutputType)
{
    const Conversion conversions[] = {
        {500, "voice.out.wav", "", "pcm_s16le"},
        {350, "voice.mp3", "Lame_enc.dll", "mp3"},
        {1100, "voice.ogg", "Vorbis Encoder", "vorbis"},
        {1200, "voice.mka", "Vorbis Encoder", "vorbis"},
        {100, "voice.avi", "Lame_enc.dll", "mp3"},
    };
    for (const Conversion& c : conversions) {
        const fs::path out = m_dir / "out" / c.file;
        Convert(c, out);
        ASSERT_TRUE(fs::exists(out)) << c.file;
        const auto probed = ProbeMedia(out);
        EXPECT_EQ(ProbedValue(probed, "codec_name"), c.expectedCodec) << c.file;
        EXPECT_EQ(ProbedValue(probed, "sample_rate"), "44100") << c.file;
        EXPECT_EQ(ProbedValue(probed, "channels"), "2") << c.file;
        const double duration = std::atof(ProbedValue(probed, "duration").c_str());
        // Within one frame of the input (an MP3 frame is 1152 samples), counted after the 576
        // samples the MP3 encoder starts with, which a container without gapless data keeps.
        const double frame = *c.codecName ? (1152.0 + 576.0) / 44100 : 1.0 / 44100;
        EXPECT_NEAR(duration, 2.0, frame + 0.001) << c.file;
    }
    // The MP3 carries the tags, once.
    const fs::path mp3 = m_dir / "out" / "voice.mp3";
    const auto probed = ProbeMedia(mp3);
    EXPECT_EQ(ProbedValue(probed, "title"), "Spoken Title");
    EXPECT_EQ(ProbedValue(probed, "artist"), "Reader Voice");
    EXPECT_EQ(Occurrences(mp3, "Spoken Title"), 1u);
    EXPECT_EQ(Occurrences(mp3, "ID3"), 1u);
}

TEST_F(FileConversionTest, ExistingOutputIsRenamedOrKeptAsTheOptionSays)
{
    const fs::path out = m_dir / "keep.wav";
    std::ofstream(out) << "earlier recording";
    CDirectShowGraph graph;
    ASSERT_TRUE(graph.Create());
    CFileInputFilters2 input(&graph);
    input.SetFilePath((m_dir / "voice.wav").string().c_str());
    ASSERT_TRUE(input.CreateAndConnect()) << input.GetErrorText();

    // An option that forbids writing over the file ends the connection before any filter is built.
    CFileOutputFilters2 refused(&graph);
    refused.SetSplitterType(500);
    refused.SetFilePath(out.string().c_str());
    refused.SetFileOption(EFileReplace(9));
    EXPECT_FALSE(refused.Connect(&input));
    EXPECT_EQ(refused.GetWriter(), nullptr);
    EXPECT_EQ(refused.GetMultiplexer(), nullptr);

    CFileOutputFilters2 renamed(&graph);
    renamed.SetSplitterType(500);
    renamed.SetFilePath(out.string().c_str());
    renamed.SetFileOption(kFileReplaceRename);
    ASSERT_TRUE(renamed.Connect(&input)) << renamed.GetErrorText();
    EXPECT_EQ(std::string(renamed.GetEffectivePath()), (m_dir / "keep_2.wav").string());
    renamed.Release();
    input.Release();
    graph.Release();
    std::ifstream kept(out);
    std::string first;
    std::getline(kept, first);
    EXPECT_EQ(first, "earlier recording");
}

TEST_F(FileConversionTest, VideoIsEncodedScaledAndRetimed)
{
    const fs::path clip = m_dir / "clip.avi";
    ASSERT_TRUE(MakeClip(clip, 22050, 1));
    AddVideoCodec("MPEG-4 Video", CLSID_Mpeg4VideoEncoder, {100, 1200});
    AddVideoCodec("Motion JPEG", CLSID_MjpegVideoEncoder, {100, 1200});
    const struct {
        ESplitterType type;
        const char* file;
        const char* codec;
        const char* expected;
        unsigned short width;
        unsigned short height;
        double rate;
    } cases[] = {
        {100, "clip.mpeg4.avi", "MPEG-4 Video", "mpeg4", 320, 240, 25},
        {100, "clip.mjpeg.avi", "Motion JPEG", "mjpeg", 320, 240, 25},
        {1200, "clip.mkv", "MPEG-4 Video", "mpeg4", 160, 120, 15},
    };
    for (const auto& c : cases) {
        const fs::path out = m_dir / "out" / c.file;
        Convert({c.type, c.file, "Lame_enc.dll", "mp3"}, out, clip, [&](CFileOutputFilters2& output) {
            output.SetVideoCodecName(c.codec, "");
            output.SetVideoWidth(c.width);
            output.SetVideoHeight(c.height);
            output.SetVideoFrameRate(c.rate);
        });
        const auto video = ProbeMedia(out, "v");
        EXPECT_EQ(ProbedValue(video, "codec_name"), c.expected) << c.file;
        EXPECT_EQ(ProbedValue(video, "width"), std::to_string(c.width)) << c.file;
        EXPECT_EQ(ProbedValue(video, "height"), std::to_string(c.height)) << c.file;
        EXPECT_EQ(ProbedValue(video, "avg_frame_rate"), std::to_string(int(c.rate)) + "/1") << c.file;
        EXPECT_NEAR(std::atof(ProbedValue(video, "duration").c_str()), 2.0, 1.0 / c.rate + 0.001) << c.file;
        EXPECT_EQ(ProbedValue(ProbeMedia(out, "a"), "codec_name"), "mp3") << c.file;
    }
}

TEST_F(FileConversionTest, OggCarriesTheoraVideoAndAVideoThatCannotBeMadeRefusesTheJob)
{
    const fs::path clip = m_dir / "clip.avi";
    ASSERT_TRUE(MakeClip(clip, 44100, 2));
    AddVideoCodec("Theora Video", CLSID_TheoraVideoEncoder, {1100});
    auto picture = [](const char* codec) {
        return [codec](CFileOutputFilters2& output) {
            output.SetVideoCodecName(codec, "");
            output.SetVideoWidth(320);
            output.SetVideoHeight(240);
            output.SetVideoFrameRate(25);
        };
    };
    const fs::path ogv = m_dir / "out" / "clip.ogv";
    Convert({1100, "clip.ogv", "Vorbis Encoder", "vorbis"}, ogv, clip, picture("Theora Video"));
    SDecodedMedia decoded;
    ASSERT_TRUE(DecodeMedia(ogv, 25, decoded));
    EXPECT_EQ(decoded.videoCodec, "theora");
    EXPECT_EQ(decoded.width, 320);
    EXPECT_EQ(decoded.height, 240);
    EXPECT_EQ(decoded.frames, 50);
    EXPECT_EQ(decoded.audioCodec, "vorbis");
    // No encoder can make the picture: raw pictures into OGG, a codec that is not installed
    // into AVI. The job is refused rather than written without its video.
    Convert({1100, "raw.ogv", "Vorbis Encoder", "vorbis"}, m_dir / "out" / "raw.ogv", clip, picture(""), false);
    Convert({100, "absent.avi", "Lame_enc.dll", "mp3"}, m_dir / "out" / "absent.avi", clip,
            picture("DivX Pro 5.1.1 Codec"), false);
}

TEST_F(FileConversionTest, ClipBecomesRawDvAndTypeOneDvAviAtTheTvSystems)
{
    for (ESplitterType type : {900, 110}) EXPECT_TRUE(UFilterUtils2::NoneAliasFormatInstalled(type)) << type;
    const fs::path clip = m_dir / "tv.avi";
    ASSERT_TRUE(MakeClip(clip, 44100, 2));
    // The DV video encoder, and the sound row the writer packs itself.
    CVideoCodecInfo* picture = AddVideoCodec("DV Video Encoder", CLSID_DvVideoEncoder, {});
    CAudioCodecInfo* sound = CAudioCodecsInfo::sInfo->Add("DV Audio", "Dummy DV Audio");
    sound->SetVirtual(true);
    for (ESplitterType type : {900, 110}) {
        picture->SetSupported(type, true);
        sound->SetSupported(type, true);
    }
    const struct {
        ESplitterType type;
        ETvType tv;
        const char* file;
        unsigned long rate;
        int written; // the sound's rate in the file
    } cases[] = {
        {900, 2, "tv.pal.dv", 44100, 44100},
        {900, 1, "tv.ntsc.dv", 48000, 48000},
        {110, 2, "tv.pal.avi", 32000, 32000},
        {110, 1, "tv.ntsc.avi", 48000, 48000},
        // The 525-line frames carry 48 kHz sound only.
        {110, 1, "tv.ntsc44.avi", 44100, 48000},
    };
    for (const auto& c : cases) {
        const bool pal = c.tv == 2;
        const fs::path out = m_dir / "out" / c.file;
        Convert({c.type, c.file, "DV Audio", "pcm_s16le"}, out, clip, [&](CFileOutputFilters2& output) {
            output.SetTvType(c.tv);
            output.SetVideoCodecName("DV Video Encoder", "");
            output.SetVideoWidth(720);
            output.SetVideoHeight(pal ? 576 : 480);
            output.SetVideoFrameRate(pal ? 25.0 : 29.97);
            output.SetAudioCodecName("DV Audio", "Dummy DV Audio");
            output.SetAudioSampleRate(c.rate);
            output.SetAudioBitrate(0);
        });
        const double frame = pal ? 1.0 / 25 : 1001.0 / 30000;
        SDecodedMedia decoded;
        ASSERT_TRUE(DecodeMedia(out, 1.0 / frame, decoded)) << c.file;
        EXPECT_EQ(decoded.videoCodec, "dvvideo") << c.file;
        EXPECT_EQ(decoded.width, 720) << c.file;
        EXPECT_EQ(decoded.height, pal ? 576 : 480) << c.file;
        EXPECT_NEAR(decoded.duration, 2.0, frame + 1e-6) << c.file;
        EXPECT_EQ(decoded.audioCodec, "pcm_s16le") << c.file;
        EXPECT_EQ(decoded.sampleRate, c.written) << c.file;
        EXPECT_EQ(ProbedValue(ProbeMedia(out, "a"), "channels"), "2") << c.file;
        EXPECT_NEAR(double(DecodedSamples(out)) / c.written, 2.0, frame + 1e-6) << c.file;
        if (c.type == 900) {
            EXPECT_EQ(fs::file_size(out), uintmax_t(decoded.frames) * (pal ? 144000u : 120000u)) << c.file;
            continue;
        }
        // A type-1 file: one stream header, of an interleaved DV stream.
        std::ifstream in(out, std::ios::binary);
        std::string head(4096, '\0');
        in.read(head.data(), std::streamsize(head.size()));
        const size_t strh = head.find("strh");
        ASSERT_NE(strh, std::string::npos) << c.file;
        EXPECT_EQ(head.substr(strh + 8, 8), "iavsdvsd") << c.file;
        EXPECT_EQ(head.find("strh", strh + 4), std::string::npos) << c.file;
    }
    // Pictures at another rate, or at one system's size and the other's rate, are refused.
    const struct {
        ESplitterType type;
        unsigned short height;
        double rate;
    } refused[] = {{900, 576, 30.0}, {110, 480, 25.0}, {900, 576, 29.97}};
    for (const auto& r : refused) {
        const fs::path out = m_dir / "out" / ("refused" + std::to_string(r.height) + ".dv");
        Convert({r.type, "refused", "DV Audio", "pcm_s16le"}, out, clip, [&](CFileOutputFilters2& output) {
            output.SetVideoCodecName("DV Video Encoder", "");
            output.SetVideoWidth(720);
            output.SetVideoHeight(r.height);
            output.SetVideoFrameRate(r.rate);
            output.SetAudioCodecName("DV Audio", "Dummy DV Audio");
            output.SetAudioSampleRate(48000);
            output.SetAudioBitrate(0);
        }, false);
    }
}
