// The MPEG and ff writer wrappers push their settings through the filters' interfaces in
// the order and with the values the filters expect.
#include "CDirectShowGraph.h"
#include "CSarvexMpegWriter.h"
#include "CffWriter.h"
#include "EngineTestFilters.h"
#include "StffMpegLoader.h"
#include "WriterIds.h"
#include "WriterInterfaces.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "dshow/FileSinkFilter.h"
#include "dshow/writers/FfFileWriter.h"
#include "dshow/writers/MpegFileWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> gCalls;

HRESULT Record(const char* what, LONG value)
{
    gCalls.push_back(std::string(what) + " " + std::to_string(value));
    return S_OK;
}

// A writer that offers only its file sink.
class CTestSink : public CFileSinkFilter {
public:
    explicit CTestSink(REFCLSID clsid = CLSID_SarvexMpegWriter) : CFileSinkFilter(clsid) {}
    HRESULT CheckMediaType(CBasePin*, const AM_MEDIA_TYPE&) override { return S_OK; }
};

// Records every setting it is given, in order.
class CMpegRecorder : public CTestSink, public IMpegStreamSettings, public IMpegEncoderSettings {
public:
    MV_FILTER_UNKNOWN
    HRESULT SetStreamFormat(LONG v) override { return Record("format", v); }
    HRESULT SetPackOption(LONG v) override { return Record("pack", v); }
    HRESULT SetBufferOption(LONG v) override { return Record("buffer", v); }
    HRESULT SetAudioStreams(LONG v) override { return Record("audio streams", v); }
    HRESULT SetVideoStream(BOOL v) override { return Record("video", v); }
    HRESULT SetTimingOption(LONG v) override { return Record("timing", v); }
    HRESULT SetEndOption(LONG v) override { return Record("end", v); }
    HRESULT SetHeight(LONG v) override { return Record("height", v); }
    HRESULT SetFieldOption(LONG v) override { return Record("field", v); }
    HRESULT SetWidth(LONG v) override { return Record("width", v); }
    HRESULT SetVideoBitrate(LONG v) override { return Record("video rate", v); }
    HRESULT SetAudioBitrate(LONG v) override { return Record("audio rate", v); }
    HRESULT SetVariableBitrate(BOOL v) override { return Record("variable", v); }
    HRESULT SetMotionOption(LONG v) override { return Record("motion", v); }
    HRESULT SetSampleRate(LONG v) override { return Record("sample rate", v); }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IMpegStreamSettings::kIid) return static_cast<IMpegStreamSettings*>(this);
        if (iid == IMpegEncoderSettings::kIid) return static_cast<IMpegEncoderSettings*>(this);
        return CTestSink::FindInterface(iid);
    }
};

class CffRecorder : public CTestSink, public IffWriterCodecs, public IffWriterBitrates {
public:
    CffRecorder() : CTestSink(CLSID_ffPspWriter) {}
    MV_FILTER_UNKNOWN
    HRESULT SetVideoCodec(LONG v) override { return Record("video codec", v); }
    HRESULT SetAudioCodec(LONG v) override { return Record("audio codec", v); }
    HRESULT SetVideoBitrate(LONG v) override { return Record("video rate", v); }
    HRESULT SetAudioBitrate(LONG v) override { return Record("audio rate", v); }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IffWriterCodecs::kIid) return static_cast<IffWriterCodecs*>(this);
        if (iid == IffWriterBitrates::kIid) return static_cast<IffWriterBitrates*>(this);
        return CTestSink::FindInterface(iid);
    }
};

class MpegWriterConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_graph.Create());
        gCalls.clear();
    }
    void TearDown() override
    {
        // The real writers again for the tests that follow.
        DShowRegisterMpegWriter();
        DShowRegisterFfWriters();
        m_graph.Release();
        CoUninitialize();
    }

    CDirectShowGraph m_graph;
};

} // namespace

TEST_F(MpegWriterConfigTest, StreamAndEncoderSettingsGoInTheirOrderThenTheFormat)
{
    ComRegisterClass(CLSID_SarvexMpegWriter, Factory<CMpegRecorder>());
    CSarvexMpegWriter writer(&m_graph);
    writer.SetFilePath("/tmp/unused.mpg");
    writer.SetFileType(410);
    writer.SetTvType(2);
    writer.SetNoVideo(true);
    writer.SetWidth(480);
    writer.SetHeight(576);
    writer.SetEncoderControl(4);
    writer.SetVideoBitrate(2000000);
    writer.SetSampleRate(44100);
    writer.SetAudioBitrate(224000);
    ASSERT_TRUE(writer.Create());
    const std::vector<std::string> expected = {
        "timing 0",        "end 1",          "buffer 4",          "video 0",          "audio streams 1",
        "pack 8",          "motion 0",       "variable 1",        "video rate 2000000", "sample rate 44100",
        "audio rate 224000", "field 0",      "width 480",         "height 576",       "format 3"};
    EXPECT_EQ(gCalls, expected);
    writer.Release();
}

TEST_F(MpegWriterConfigTest, StreamFormatFollowsFileTypeAndTvType)
{
    const struct {
        LONG fileType, tvType;
        LONG format; // -1: none given
    } cases[] = {{300, 1, 0}, {300, 2, 0}, {300, 0, 0}, {310, 1, 5}, {310, 2, 1}, {310, 0, -1},
                 {400, 1, 2}, {400, 3, 2}, {410, 1, 6}, {410, 2, 3}, {420, 1, 7}, {420, 2, 4},
                 {420, 5, -1}, {350, 1, -1}};
    for (const auto& c : cases) {
        LONG format = -1;
        const bool found = CSarvexMpegWriter::GetStreamFormat(c.fileType, c.tvType, format);
        EXPECT_EQ(found, c.format >= 0) << c.fileType << "/" << c.tvType;
        if (found) {
            EXPECT_EQ(format, c.format) << c.fileType << "/" << c.tvType;
        }
    }
    // Through the filter: a disc type without a TV system leaves the filter's own format,
    // and a constant-rate control says so.
    ComRegisterClass(CLSID_SarvexMpegWriter, Factory<CMpegRecorder>());
    CSarvexMpegWriter writer(&m_graph);
    writer.SetFilePath("/tmp/unused.mpg");
    writer.SetFileType(420);
    writer.SetTvType(0);
    ASSERT_TRUE(writer.Create());
    EXPECT_EQ(std::count(gCalls.begin(), gCalls.end(), "format 7") + std::count(gCalls.begin(), gCalls.end(), "format 4"),
              0);
    EXPECT_NE(std::find(gCalls.begin(), gCalls.end(), "variable 0"), gCalls.end());
    EXPECT_NE(std::find(gCalls.begin(), gCalls.end(), "video 1"), gCalls.end());
    writer.Release();
}

TEST_F(MpegWriterConfigTest, WriterWithoutTheStreamInterfaceIsNotCreated)
{
    ComRegisterClass(CLSID_SarvexMpegWriter, Factory<CTestSink>());
    CSarvexMpegWriter writer(&m_graph);
    writer.SetFilePath("/tmp/unused.mpg");
    EXPECT_FALSE(writer.Create());
    EXPECT_EQ(writer.GetFilter(), nullptr);
}

TEST_F(MpegWriterConfigTest, FfWriterFindsCodecIdsByDisplayNameInItsFormatRow)
{
    ComRegisterClass(CLSID_ffPspWriter, Factory<CffRecorder>());
    {
        // Without the format table only the rates go.
        CffWriter writer(&m_graph, "ff MPEG4 PSP Writer", CffWriter::kMpeg4Psp);
        writer.SetFilePath("/tmp/unused.mp4");
        writer.SetVideoCodecName("ffMpeg MPEG-4 Video");
        ASSERT_TRUE(writer.Create());
        EXPECT_EQ(gCalls, (std::vector<std::string>{"video rate 256000", "audio rate 128000"}));
        writer.Release();
    }
    StffMpegLoader loader;
    const struct {
        const char* video;
        const char* audio;
        LONG videoId, audioId;
    } cases[] = {{"ffMpeg MPEG-4 Video", "ffMpeg AAC Audio", 12, 86018},
                 {"ffmpeg mpeg-4 video", "ffMpeg MPEG Audio", 0, 0},
                 {"", "", 0, 0}};
    for (const auto& c : cases) {
        gCalls.clear();
        CffWriter writer(&m_graph, "ff MPEG4 PSP Writer", CffWriter::kMpeg4Psp);
        writer.SetFilePath("/tmp/unused.mp4");
        writer.SetVideoCodecName(c.video);
        writer.SetAudioCodecName(c.audio);
        writer.SetVideoBitrate(800000);
        writer.SetAudioBitrate(96000);
        ASSERT_TRUE(writer.Create());
        EXPECT_EQ(gCalls, (std::vector<std::string>{"video codec " + std::to_string(c.videoId),
                                                     "audio codec " + std::to_string(c.audioId), "video rate 800000",
                                                     "audio rate 96000"}))
            << c.video;
        writer.Release();
    }
}
