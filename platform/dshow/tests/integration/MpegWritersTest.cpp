// The MPEG writer in each of its stream formats and the four ff writers, fed a made clip
// through the media file source; each result is read back with ffprobe.
#include "com/ComRuntime.h"
#include "dshow/writers/FfFileWriter.h"
#include "dshow/writers/MpegFileWriter.h"
#include "dshow/writers/MpegWriterIds.h"

#include "WriterGraph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr double kSeconds = 2.0;

class MpegWritersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        m_dir = fs::temp_directory_path() / ("mvdshow_mpeg_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_clip = m_dir / "clip.mkv";
        const std::string make = "ffmpeg -nostdin -v error -y -f lavfi -i testsrc=size=160x120:rate=25:duration=2 "
                                 "-f lavfi -i sine=frequency=440:sample_rate=44100:duration=2 -ac 2 -c:v mpeg4 "
                                 "-c:a flac '" + m_clip.string() + "'";
        ASSERT_EQ(std::system(make.c_str()), 0);
    }
    void TearDown() override
    {
        fs::remove_all(m_dir);
        CoUninitialize();
    }

    // The writer of the class, set up by the call given, fed video and sound or sound alone.
    template <class I>
    LONG Write(REFCLSID clsid, const std::function<void(I*)>& setUp, const fs::path& target, bool video = true)
    {
        IBaseFilter* writer = nullptr;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                    reinterpret_cast<void**>(&writer))))
            return -1;
        I* settings = nullptr;
        if (SUCCEEDED(QueryInterfaceTo(writer, &settings))) setUp(settings);
        SafeRelease(settings);
        IBaseFilter* source = LoadMediaSource(m_clip);
        LONG code = -1;
        if (source && video)
            code = WriteLinked(source, writer, {{u"Video", u"Video"}, {u"Audio", u"Audio"}}, target);
        else if (source)
            code = WriteLinked(source, writer, {{u"Audio", u"Audio"}}, target);
        SafeRelease(source);
        writer->Release();
        return code;
    }

    void ExpectStreams(const fs::path& file, const std::string& container, const std::string& video,
                       const std::string& audio)
    {
        EXPECT_EQ(ProbeMedia(file, "format=format_name"), container) << file;
        EXPECT_EQ(ProbeMedia(file, "stream=codec_name,width,height", "v:0"), video) << file;
        EXPECT_EQ(ProbeMedia(file, "stream=codec_name,sample_rate"), audio) << file;
        // From the first picture's time to the end of the last: SWF files state no duration.
        // A packet without a time of its own says "N/A".
        std::istringstream times(ProbeMedia(file, "packet=pts_time", "v:0"));
        double first = 1e9, last = -1e9;
        for (std::string line; std::getline(times, line);) {
            if (line.empty() || !std::isdigit(static_cast<unsigned char>(line[0]))) continue;
            first = std::min(first, std::atof(line.c_str()));
            last = std::max(last, std::atof(line.c_str()));
        }
        EXPECT_NEAR(last - first + 1.0 / 25, kSeconds, 0.1) << file;
        // Every packet decodes.
        const std::string decode = "ffmpeg -nostdin -v error -xerror -i '" + file.string() + "' -f null - 2>&1";
        EXPECT_EQ(std::system(decode.c_str()), 0) << file;
    }

    fs::path m_dir, m_clip;
};

} // namespace

TEST_F(MpegWritersTest, EachStreamFormatWritesItsContainerPictureAndSound)
{
    const struct {
        LONG format;
        const char* file;
        const char* video;
        const char* audio;
    } cases[] = {
        {0, "system.mpg", "mpeg1video\n160\n120", "mp2\n44100"},
        {1, "vcd-pal.mpg", "mpeg1video\n352\n288", "mp2\n44100"},
        {2, "program.mpg", "mpeg2video\n160\n120", "mp2\n44100"},
        {3, "svcd-pal.mpg", "mpeg2video\n480\n576", "mp2\n44100"},
        {4, "dvd-pal.vob", "mpeg2video\n720\n576", "mp2\n48000"},
        {5, "vcd-ntsc.mpg", "mpeg1video\n352\n240", "mp2\n44100"},
        {6, "svcd-ntsc.mpg", "mpeg2video\n480\n480", "mp2\n44100"},
        {7, "dvd-ntsc.vob", "mpeg2video\n720\n480", "mp2\n48000"},
    };
    for (const auto& c : cases) {
        const fs::path target = m_dir / c.file;
        ASSERT_EQ(Write<IMpegStreamSettings>(
                      CLSID_SarvexMpegWriter, [&](IMpegStreamSettings* s) { s->SetStreamFormat(c.format); }, target),
                  EC_COMPLETE)
            << c.file;
        ExpectStreams(target, "mpeg", c.video, c.audio);
    }
}

TEST_F(MpegWritersTest, SizeRatesAndSoundAloneFollowTheSettings)
{
    const fs::path sized = m_dir / "sized.mpg";
    ASSERT_EQ(Write<IMpegEncoderSettings>(
                  CLSID_SarvexMpegWriter,
                  [](IMpegEncoderSettings* e) {
                      e->SetWidth(320);
                      e->SetHeight(240);
                      e->SetSampleRate(22050);
                      e->SetAudioBitrate(100000); // not a layer II rate: the nearest is taken
                  },
                  sized),
              EC_COMPLETE);
    ExpectStreams(sized, "mpeg", "mpeg1video\n320\n240", "mp2\n22050");
    EXPECT_EQ(ProbeMedia(sized, "stream=bit_rate"), "96000");

    // Without the picture an MPEG-1 system stream is plain layer III audio.
    const fs::path sound = m_dir / "sound.mp3";
    ASSERT_EQ(Write<IMpegStreamSettings>(
                  CLSID_SarvexMpegWriter, [](IMpegStreamSettings* s) { s->SetVideoStream(FALSE); }, sound),
              EC_COMPLETE);
    EXPECT_EQ(ProbeMedia(sound, "format=format_name"), "mp3");
    EXPECT_EQ(ProbeMedia(sound, "stream=codec_name,sample_rate"), "mp3\n44100");
    EXPECT_EQ(ProbeMedia(sound, "stream=codec_name", "v:0"), "");
    EXPECT_NEAR(std::atof(ProbeMedia(sound, "format=duration").c_str()), kSeconds, 0.2);

    // Sound alone into a DVD stream.
    const fs::path dvdSound = m_dir / "sound.vob";
    ASSERT_EQ(Write<IMpegStreamSettings>(
                  CLSID_SarvexMpegWriter, [](IMpegStreamSettings* s) { s->SetStreamFormat(4); }, dvdSound, false),
              EC_COMPLETE);
    EXPECT_EQ(ProbeMedia(dvdSound, "stream=codec_name,sample_rate"), "mp2\n48000");

    IMpegStreamSettings* settings = nullptr;
    IBaseFilter* writer = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_SarvexMpegWriter, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                               reinterpret_cast<void**>(&writer)),
              S_OK);
    ASSERT_EQ(QueryInterfaceTo(writer, &settings), S_OK);
    EXPECT_EQ(settings->SetStreamFormat(8), E_INVALIDARG);
    EXPECT_EQ(settings->SetStreamFormat(-1), E_INVALIDARG);
    settings->Release();
    writer->Release();
}

TEST_F(MpegWritersTest, FfWritersWriteTheirFormatsWithTheCodecsAsked)
{
    const struct {
        const CLSID* clsid;
        LONG videoCodec, audioCodec;
        const char* file;
        const char* container;
        const char* video;
        const char* audio;
    } cases[] = {
        {&CLSID_ffMpeg1Writer, 0, 0, "ff.mpg", "mpeg", "mpeg1video\n160\n120", "mp2\n44100"},
        {&CLSID_ffPspWriter, 0, 0, "M4V10001.MP4", "mov,mp4,m4a,3gp,3g2,mj2", "mpeg4\n160\n120", "aac\n44100"},
        {&CLSID_ffSwfWriter, 0, 0, "ff.swf", "swf", "flv1\n160\n120", "mp3\n44100"},
        {&CLSID_ffFlvWriter, 0, 0, "ff.flv", "flv", "flv1\n160\n120", "mp3\n44100"},
        {&CLSID_ffSwfWriter, 8, 86017, "mjpeg.swf", "swf", "mjpeg\n160\n120", "mp3\n44100"},
        {&CLSID_ffFlvWriter, 21, 69633, "adpcm.flv", "flv", "flv1\n160\n120", "adpcm_swf\n44100"},
    };
    for (const auto& c : cases) {
        const fs::path target = m_dir / c.file;
        ASSERT_EQ(Write<IffWriterCodecs>(
                      *c.clsid,
                      [&](IffWriterCodecs* codecs) {
                          EXPECT_EQ(codecs->SetVideoCodec(c.videoCodec), S_OK);
                          EXPECT_EQ(codecs->SetAudioCodec(c.audioCodec), S_OK);
                      },
                      target),
                  EC_COMPLETE)
            << c.file;
        ExpectStreams(target, c.container, c.video, c.audio);
    }
    // Rates reach the encoders; codec ids outside the table are refused.
    const fs::path rated = m_dir / "rated.flv";
    ASSERT_EQ(Write<IffWriterBitrates>(
                  CLSID_ffFlvWriter, [](IffWriterBitrates* b) { b->SetAudioBitrate(64000); }, rated),
              EC_COMPLETE);
    EXPECT_EQ(ProbeMedia(rated, "stream=bit_rate"), "64000");
    IBaseFilter* writer = nullptr;
    IffWriterCodecs* codecs = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ffPspWriter, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                               reinterpret_cast<void**>(&writer)),
              S_OK);
    ASSERT_EQ(QueryInterfaceTo(writer, &codecs), S_OK);
    EXPECT_EQ(codecs->SetVideoCodec(13), E_INVALIDARG);
    EXPECT_EQ(codecs->SetAudioCodec(86019), E_INVALIDARG);
    codecs->Release();
    writer->Release();
}
