// What the QuickTime and RealMedia writer wrappers hand their filters before the graph is
// connected, heard by a filter that offers every interface they may ask for.
#include "CDirectShowGraph.h"
#include "CDirectShowSystem2.h"
#include "CQuickTimeFileWriter.h"
#include "CQuickTimeMovExportWriter.h"
#include "CRealFileWriter.h"
#include "EngineTestFilters.h"
#include "StQuickTime.h"
#include "WriterIds.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/interfaces/QuickTimeWriterInterfaces.h"
#include "dshow/interfaces/RealWriterInterfaces.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<std::string> gCalls;

HRESULT Heard(const std::string& what, long long value)
{
    gCalls.push_back(what + " " + std::to_string(value));
    return S_OK;
}

HRESULT HeardBlock(const std::string& what, const BYTE* bytes, LONG size)
{
    gCalls.push_back(what + " " + std::string(reinterpret_cast<const char*>(bytes), size_t(size)));
    return S_OK;
}

class CListeningWriter : public COfferFilter,
                         public IFileSinkFilter,
                         public IQuickTimeVideoCompression,
                         public IQuickTimeVideoRate,
                         public IQuickTimeVideoSettings,
                         public IQuickTimeSoundCompression,
                         public IQuickTimeExportRates,
                         public IQuickTimeExportSettings,
                         public IQuickTimeCompressionSettings,
                         public IQuickTimeWriterMode,
                         public IRealWriterTarget,
                         public IRealWriterVideo,
                         public IRealWriterAudio {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }

    HRESULT SetFileName(LPCOLESTR, const AM_MEDIA_TYPE*) override { return S_OK; }
    HRESULT GetCurFile(LPOLESTR*, AM_MEDIA_TYPE*) override { return E_NOTIMPL; }
    HRESULT SetVideoFormat(DWORD format) override { return Heard("video format", format); }
    HRESULT SetQuality(LONG quality) override { return Heard("quality", quality); }
    HRESULT SetVideoBitrate(LONG bitrate) override { return Heard("video bitrate", bitrate); }
    HRESULT SetKeyFrameInterval(LONG frames) override { return Heard("key frames", frames); }
    HRESULT SetVideoSettings(const BYTE* bytes, LONG size) override { return HeardBlock("video settings", bytes, size); }
    HRESULT SetAudioFormat(DWORD format) override { return Heard("audio format", format); }
    HRESULT SetCapturing(BOOL capturing) override { return Heard("capturing", capturing); }
    HRESULT SetAudioBitrate(LONG bitrate) override { return Heard("audio bitrate", bitrate); }
    HRESULT SetExportSettings(const BYTE* bytes, LONG size) override { return HeardBlock("export", bytes, size); }
    HRESULT SetCompressionSettings(const BYTE* bytes, LONG size) override
    {
        return HeardBlock("compression", bytes, size);
    }
    HRESULT SetConverting(BOOL converting) override { return Heard("converting", converting); }
    HRESULT SetAudience(const char* audience) override
    {
        gCalls.push_back(std::string("audience ") + audience);
        return S_OK;
    }
    HRESULT SetVideoMode(LONG mode) override { return Heard("video mode", mode); }
    HRESULT SetVideoComplexity(LONG complexity) override { return Heard("video complexity", complexity); }
    HRESULT SetKeyFrameInterval(ULONG frames) override { return Heard("key frame", frames); }
    HRESULT SetLatency(unsigned short latency) override { return Heard("latency", latency); }
    HRESULT SetAudioMode(LONG mode) override { return Heard("audio mode", mode); }
    HRESULT SetAudioComplexity(LONG complexity) override { return Heard("audio complexity", complexity); }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IFileSinkFilter::kIid) return static_cast<IFileSinkFilter*>(this);
        if (iid == IQuickTimeVideoCompression::kIid) return static_cast<IQuickTimeVideoCompression*>(this);
        if (iid == IQuickTimeVideoRate::kIid) return static_cast<IQuickTimeVideoRate*>(this);
        if (iid == IQuickTimeVideoSettings::kIid) return static_cast<IQuickTimeVideoSettings*>(this);
        if (iid == IQuickTimeSoundCompression::kIid) return static_cast<IQuickTimeSoundCompression*>(this);
        if (iid == IQuickTimeExportRates::kIid) return static_cast<IQuickTimeExportRates*>(this);
        if (iid == IQuickTimeExportSettings::kIid) return static_cast<IQuickTimeExportSettings*>(this);
        if (iid == IQuickTimeCompressionSettings::kIid) return static_cast<IQuickTimeCompressionSettings*>(this);
        if (iid == IQuickTimeWriterMode::kIid) return static_cast<IQuickTimeWriterMode*>(this);
        if (iid == IRealWriterTarget::kIid) return static_cast<IRealWriterTarget*>(this);
        if (iid == IRealWriterVideo::kIid) return static_cast<IRealWriterVideo*>(this);
        if (iid == IRealWriterAudio::kIid) return static_cast<IRealWriterAudio*>(this);
        return COfferFilter::FindInterface(iid);
    }
};

class WriterConfigurationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_graph.Create());
        for (const CLSID& id : {CLSID_QuickTimeMovExport, CLSID_QuickTimeWriter, CLSID_RealFileWriter})
            m_replaced.emplace_back(id, ComRegisterClass(id, [](REFIID iid, void** object) {
                                        return CreateComObject<CListeningWriter>(iid, object);
                                    }));
        m_starts = StQuickTime::sStarts;
        StQuickTime::sStarts = 1;
        gCalls.clear();
    }
    void TearDown() override
    {
        StQuickTime::sStarts = m_starts;
        CDirectShowSystem2::sCapturing = false;
        for (const auto& [id, factory] : m_replaced) ComRegisterClass(id, factory);
        m_graph.Release();
        CoUninitialize();
    }

    // Creates the wrapper (which configures it) and takes what its filter heard.
    std::vector<std::string> Configure(CFileWriterFilter& writer)
    {
        gCalls.clear();
        EXPECT_TRUE(writer.Create());
        writer.Release();
        return std::move(gCalls);
    }

    CDirectShowGraph m_graph;
    std::vector<std::pair<CLSID, ComClassFactory>> m_replaced;
    int m_starts = 0;
};

} // namespace

TEST_F(WriterConfigurationTest, ExportWritersTakeTheSettingsBlockTheModeAndTheRates)
{
    CQuickTimeMovExportWriter writer(&m_graph);
    const unsigned char block[] = "vcod";
    writer.SetSettings(block, 4);
    writer.SetVideoBitrate(500000);
    writer.SetQuality(70);
    writer.SetAudioBitrate(96000);
    const std::vector<std::string> converting = {"export vcod",         "compression vcod", "converting 1",
                                                 "video bitrate 500000", "quality 70",       "audio bitrate 96000"};
    EXPECT_EQ(Configure(writer), converting);
    // A capture is not told it converts.
    CDirectShowSystem2::sCapturing = true;
    std::vector<std::string> capturing = converting;
    capturing.erase(capturing.begin() + 2);
    EXPECT_EQ(Configure(writer), capturing);
}

TEST_F(WriterConfigurationTest, MovieWriterWithoutACodecListIsStillToldItConverts)
{
    // No QuickTime codec loader: the codec steps have no list to find their formats in.
    CQuickTimeFileWriter writer(&m_graph);
    writer.SetKeyFrame(5);
    EXPECT_EQ(Configure(writer), (std::vector<std::string>{"converting 1"}));
    CDirectShowSystem2::sCapturing = true;
    EXPECT_TRUE(Configure(writer).empty());
}

TEST_F(WriterConfigurationTest, RealMediaWriterTakesItsSettingsInTheirOrder)
{
    CRealFileWriter writer(&m_graph);
    writer.SetAudience("Broadband 500k");
    writer.SetVideoMode(2);
    writer.SetVideoComplexity(3);
    writer.SetKeyFrame(30);
    writer.SetLatency(8);
    writer.SetAudioMode(1);
    writer.SetAudioComplexity(2);
    CDirectShowSystem2::sCapturing = true;
    EXPECT_EQ(Configure(writer),
              (std::vector<std::string>{"audience Broadband 500k", "capturing 1", "video mode 2", "video complexity 3",
                                        "key frame 30", "latency 8", "audio mode 1", "audio complexity 2"}));
}
