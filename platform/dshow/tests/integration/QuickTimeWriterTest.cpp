// The QuickTime writer filters under their class ids, writing a WAV with the encoders the
// QuickTime library names for the formats chosen.
#include "com/ComRuntime.h"
#include "dshow/quicktime/QuickTimeWriter.h"
#include "dshow/sources/SourceIds.h"

#include "WriterGraph.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr CLSID kMp4Export = {0xBC99931A, 0x8215, 0x4F53, {0x87, 0x62, 0x93, 0x66, 0xAD, 0x8D, 0xA0, 0x3A}};
constexpr CLSID kMovWriter = {0x733E3501, 0x32ED, 0x40EB, {0xBD, 0xFB, 0x84, 0x2E, 0xCE, 0xA4, 0x82, 0x2F}};
constexpr CLSID k3gpExport = {0xA333431D, 0x26E4, 0x4BFB, {0xBD, 0x52, 0x7D, 0x48, 0x02, 0x4B, 0x88, 0x0C}};
constexpr CLSID kAifExport = {0x81CF4B2F, 0x7B31, 0x4617, {0x9F, 0x66, 0x3A, 0xC7, 0x97, 0x4C, 0x18, 0xBD}};
constexpr CLSID kDvExport = {0xBAAE9A94, 0x2A1E, 0x43CD, {0xA2, 0xEF, 0x51, 0xAD, 0xB7, 0x9F, 0x5A, 0x2F}};
constexpr CLSID kFlcExport = {0x4B7DC760, 0x34AE, 0x4654, {0x8E, 0x87, 0xE7, 0x20, 0x65, 0x7B, 0xCC, 0x76}};

constexpr DWORD Code(const char (&text)[5])
{
    return DWORD(uint8_t(text[0])) << 24 | DWORD(uint8_t(text[1])) << 16 | DWORD(uint8_t(text[2])) << 8 |
           DWORD(uint8_t(text[3]));
}

class QuickTimeWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        m_dir = fs::temp_directory_path() / ("mvdshow_qt_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_wav = m_dir / "speech.wav";
        WriteTestWav(m_wav, 22050, 1, 22050);
    }
    void TearDown() override
    {
        fs::remove_all(m_dir);
        CoUninitialize();
    }

    // The writer of the class with the sound format and audio bit rate given.
    LONG Write(REFCLSID clsid, DWORD audioFormat, LONG bitrate, const char16_t* pin, const fs::path& target)
    {
        IBaseFilter* writer = nullptr;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                    reinterpret_cast<void**>(&writer))))
            return -1;
        IQuickTimeSoundCompression* sound = nullptr;
        IQuickTimeExportRates* rates = nullptr;
        if (audioFormat && SUCCEEDED(QueryInterfaceTo(writer, &sound))) sound->SetAudioFormat(audioFormat);
        if (bitrate && SUCCEEDED(QueryInterfaceTo(writer, &rates))) rates->SetAudioBitrate(bitrate);
        SafeRelease(sound);
        SafeRelease(rates);
        const LONG code = WriteThrough(m_wav, writer, pin, target);
        writer->Release();
        return code;
    }

    fs::path m_dir, m_wav;
};

TEST_F(QuickTimeWriterTest, EachWriterWritesItsContainerWithTheFormatChosen)
{
    const struct {
        const CLSID* clsid;
        DWORD format;
        LONG bitrate;
        const char16_t* pin;
        const char* file;
        const char* codec;
        const char* container;
    } cases[] = {
        {&kMp4Export, 0, 96000, u"Audio", "voice.m4a", "aac", "mov,mp4,m4a,3gp,3g2,mj2"},
        {&kMovWriter, Code("alac"), 0, u"Audio", "voice.mov", "alac", "mov,mp4,m4a,3gp,3g2,mj2"},
        {&kMovWriter, Code("ulaw"), 0, u"Audio", "ulaw.mov", "pcm_mulaw", "mov,mp4,m4a,3gp,3g2,mj2"},
        {&k3gpExport, 0, 0, u"Audio", "voice.3gp", "aac", "mov,mp4,m4a,3gp,3g2,mj2"},
        {&kAifExport, 0, 0, u"In", "voice.aif", "pcm_s16be", "aiff"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const fs::path target = m_dir / c.file;
        EXPECT_EQ(Write(*c.clsid, c.format, c.bitrate, c.pin, target), EC_COMPLETE);
        const std::string answer = ProbeMedia(target, "stream=codec_name:format=format_name,duration");
        EXPECT_EQ(answer.substr(0, answer.find('\n')), c.codec);
        EXPECT_NE(answer.find(c.container), std::string::npos) << answer;
        EXPECT_NEAR(std::atof(answer.substr(answer.rfind('\n') + 1).c_str()), 1.0, 0.05);
    }
}

TEST_F(QuickTimeWriterTest, AFormatTheLibraryCannotEncodeWritesNothing)
{
    const fs::path target = m_dir / "qdesign.mov";
    EXPECT_NE(Write(kMovWriter, Code("QDMC"), 0, u"Audio", target), EC_COMPLETE);
    EXPECT_FALSE(fs::exists(target) && fs::file_size(target) > 0);
    IBaseFilter* flc = nullptr;
    EXPECT_TRUE(FAILED(CoCreateInstance(kFlcExport, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                        reinterpret_cast<void**>(&flc))));
}

} // namespace

namespace {

TEST_F(QuickTimeWriterTest, VideoIsWrittenWithTheCompressorChosen)
{
    // The MP4 exporter's own choice is H.264 where the library can encode it.
    const char* mp4 = QuickTimeEncoderFor(Code("avc1")) ? "h264" : "mpeg4";
    const struct {
        const CLSID* clsid;
        DWORD format;
        const char* file;
        const char* codec;
    } cases[] = {
        {&kMp4Export, 0, "pattern.mp4", mp4},
        {&kMovWriter, Code("avc1"), "pattern.mov", "h264"},
        {&kMovWriter, Code("jpeg"), "photo.mov", "mjpeg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        if (c.format && !QuickTimeEncoderFor(c.format)) continue; // no H.264 encoder here
        IBaseFilter* source = nullptr;
        IBaseFilter* writer = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_VideoTestSource, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&source)),
                  S_OK);
        ASSERT_EQ(CoCreateInstance(*c.clsid, nullptr, CLSCTX_INPROC_SERVER, IBaseFilter::kIid,
                                   reinterpret_cast<void**>(&writer)),
                  S_OK);
        IQuickTimeVideoCompression* video = nullptr;
        if (c.format && SUCCEEDED(QueryInterfaceTo(writer, &video))) {
            video->SetVideoFormat(c.format);
            video->SetQuality(80);
            video->Release();
        }
        const fs::path target = m_dir / c.file;
        EXPECT_EQ(WriteFrom(source, u"Video", writer, u"Video", target), EC_COMPLETE);
        writer->Release();
        source->Release();
        const std::string answer = ProbeMedia(target, "stream=codec_name:format=duration", "v:0");
        EXPECT_EQ(answer.substr(0, answer.find('\n')), c.codec) << answer;
        EXPECT_NEAR(std::atof(answer.substr(answer.rfind('\n') + 1).c_str()), 10.0, 0.05);
    }
}

TEST_F(QuickTimeWriterTest, DvKeepsTheLastNtscPicturesWhoseSoundEndsShort)
{
    // 60 NTSC pictures last 2.002 seconds: each DV frame carries its own sound, so what the
    // sound leaves uncovered, a part of the last frame or whole seconds, is made up with silence.
    for (const char* sound : {"2", "0.5"}) {
        SCOPED_TRACE(sound);
        const fs::path target = m_dir / (std::string("ntsc") + sound + ".dv");
        ASSERT_EQ(WriteMadeClip(std::string("-f lavfi -i testsrc=size=720x480:rate=30000/1001:duration=2 -f lavfi -i "
                                            "sine=sample_rate=48000:duration=") +
                                    sound + " -ac 2 -c:v mjpeg -q:v 3 -c:a pcm_s16le",
                                m_dir / "ntsc.avi", kDvExport, {{u"Video", u"Video"}, {u"Audio", u"Audio"}}, target),
                  EC_COMPLETE);
        EXPECT_EQ(ProbeMedia(target, "stream=nb_read_frames", "v:0", "-count_frames"), "60");
        EXPECT_EQ(ProbeMedia(target, "stream=avg_frame_rate", "v:0"), "30000/1001");
        EXPECT_NEAR(std::atof(ProbeMedia(target, "format=duration").c_str()), 60 * 1001 / 30000.0, 0.001);
    }
}

} // namespace
