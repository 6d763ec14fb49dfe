#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CFileOutputFilters2.h"
#include "CFileWriterFilter.h"
#include "CFormatTypes.h"
#include "CMuxFilter.h"
#include "ConstGuid.h"
#include "EngineTestFilters.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

std::tm LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

bool Exists(const std::string& path)
{
    struct stat info{};
    return stat(path.c_str(), &info) == 0;
}

TEST(FileOutputNamingTest, AutomaticNamesCarryTheLocalTime)
{
    const struct {
        const char* path;
        std::tm time;
        const char* expected;
    } cases[] = {
        {"/out/clip.mp3", LocalTime(2007, 2, 3, 9, 5, 7), "/out/clip_2007_02_03_09_05_07.mp3"},
        {"/out/clip.mp3", LocalTime(2006, 12, 31, 23, 59, 59), "/out/clip_2006_12_31_23_59_59.mp3"},
        {"/out/take", LocalTime(2010, 10, 10, 10, 10, 10), "/out/take_2010_10_10_10_10_10."},
        {"/a/b.c/voice.ogg", LocalTime(999, 1, 1, 0, 0, 0), "/a/b.c/voice_999_01_01_00_00_00.ogg"},
    };
    for (const auto& c : cases) EXPECT_EQ(CFileOutputFilters2::AutoNamedPath(c.path, c.time), CString(c.expected));
}

class FileOutputReplaceTest : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream(m_existing) << "x"; }

    // The path the writer would get, or empty when the set refuses to write.
    CString Decide(const std::string& path, EFileReplace option, ESplitterType type = 500)
    {
        CFileOutputFilters2 set;
        set.SetSplitterType(type);
        set.SetFilePath(path.c_str());
        set.SetFileOption(option);
        set.UseFilePath();
        return set.CanCreateFile() ? set.GetEffectivePath() : CString();
    }

    MvTestHome m_home;
    std::string m_existing = m_home.Path() + "/voice.mp3";
    std::string m_missing = m_home.Path() + "/new.mp3";
};

TEST_F(FileOutputReplaceTest, ReplaceOptionsDecideThePath)
{
    const std::string renamed = m_home.Path() + "/voice_2.mp3";
    const struct {
        const std::string& path;
        int option;
        ESplitterType type;
        std::string expected;
    } cases[] = {
        {m_missing, kFileReplaceAsk, 500, m_missing},       {m_missing, 7, 500, m_missing},
        {m_existing, kFileReplaceReplace, 500, m_existing}, {m_existing, kFileReplaceRename, 500, renamed},
        {m_existing, 7, 500, ""},                           {m_existing, 7, 1800, m_existing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decide(c.path, EFileReplace(c.option), c.type), CString(c.expected.c_str()))
            << c.path << " option " << c.option << " type " << c.type;
    EXPECT_TRUE(Exists(m_existing));
}

TEST_F(FileOutputReplaceTest, AskingWritesOnlyWhenTheUserAgrees)
{
    for (const auto& [answer, expected] : {std::pair{IDNO, CString()}, std::pair{IDYES, CString(m_existing.c_str())}}) {
        std::string asked;
        MvScriptModal([&, answer = answer](HWND dialog) {
            asked = "asked";
            SendMessageA(dialog, WM_COMMAND, answer, 0);
        });
        EXPECT_EQ(Decide(m_existing, kFileReplaceAsk), expected);
        EXPECT_EQ(asked, "asked");
    }
}

TEST_F(FileOutputReplaceTest, AutomaticNameIsDecidedAndItsFoldersMade)
{
    // The FTP type writes nothing locally, but the folders of its path are still made.
    CFileOutputFilters2 set;
    set.SetSplitterType(1800);
    set.SetFileAutoNaming(true);
    const std::string folder = m_home.Path() + "/deep/er";
    set.SetFilePath((folder + "/shot.jpg").c_str());
    ASSERT_TRUE(set.PrepareOutput(nullptr));
    const std::string effective(set.GetEffectivePath());
    EXPECT_EQ(effective.rfind(folder + "/shot_", 0), 0u) << effective;
    EXPECT_EQ(effective.size(), folder.size() + std::string("/shot_2024_01_01_00_00_00.jpg").size());
    EXPECT_TRUE(Exists(folder));
}

// ---- tags ----

const CLSID CLSID_TestTagWriter = ConstGuid("6A2C0301-0000-4000-8000-000000000301");
const CLSID CLSID_TestTagMux = ConstGuid("6A2C0302-0000-4000-8000-000000000302");

std::vector<std::string> gTagged;

template <int kWho>
class CTagTaker : public COfferFilter, public IEncoderTags {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }
    HRESULT SetTag(const char* name, const char* value) override
    {
        gTagged.push_back((kWho == 0 ? "writer " : "mux ") + std::string(name) + "=" + value);
        return S_OK;
    }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IEncoderTags::kIid) return static_cast<IEncoderTags*>(this);
        return COfferFilter::FindInterface(iid);
    }
};

// A multiplex set whose writer and multiplexer the test chooses.
class CTaggingSet : public CFileOutputFilters2 {
public:
    explicit CTaggingSet(CDirectShowGraph* graph) : CFileOutputFilters2(graph) {}
    void Use(const GUID& writer, const GUID& mux)
    {
        Release();
        m_writer = new CFileWriterFilter(m_graph, "Writer");
        m_writer->SetId(writer);
        m_mux = new CMuxFilter(m_graph, "Mux");
        m_mux->SetId(mux);
        m_mux->Create();
        static_cast<CDirectShowFilter*>(m_writer)->CDirectShowFilter::Create();
    }
};

TEST(MultiplexTagsTest, TagsAreWrittenOnceThroughTheFirstRouteThatTakesThem)
{
    CoInitialize(nullptr);
    ComRegisterClass(CLSID_TestTagWriter, [](REFIID iid, void** o) { return CreateComObject<CTagTaker<0>>(iid, o); });
    ComRegisterClass(CLSID_TestTagMux, [](REFIID iid, void** o) { return CreateComObject<CTagTaker<1>>(iid, o); });
    ComRegisterClass(CLSID_EngineTestOffer, [](REFIID iid, void** o) { return CreateComObject<COfferFilter>(iid, o); });
    CDirectShowGraph graph;
    ASSERT_TRUE(graph.Create());
    CTaggingSet set(&graph);
    CMediaTags tags;
    tags.AddValue("TT2", "Title");
    tags.AddValue("TP1", "Voice");
    set.SetTags(tags);

    set.Use(CLSID_TestTagWriter, CLSID_TestTagMux);
    EXPECT_TRUE(set.WriteTags());
    EXPECT_EQ(gTagged, (std::vector<std::string>{"writer TP1=Voice", "writer TT2=Title"}));

    gTagged.clear();
    set.Use(CLSID_EngineTestOffer, CLSID_TestTagMux);
    EXPECT_TRUE(set.WriteTags());
    EXPECT_EQ(gTagged, (std::vector<std::string>{"mux TP1=Voice", "mux TT2=Title"}));

    gTagged.clear();
    set.Use(CLSID_EngineTestOffer, CLSID_EngineTestOffer);
    EXPECT_FALSE(set.WriteTags());
    EXPECT_TRUE(gTagged.empty());

    set.Release();
    graph.Release();
    for (const CLSID& id : {CLSID_TestTagWriter, CLSID_TestTagMux, CLSID_EngineTestOffer})
        ComRegisterClass(id, nullptr);
    CoUninitialize();
}

TEST(MultiplexSettingsTest, QualityAndSizesAreKeptInRange)
{
    const std::pair<int, int> qualities[] = {{0, 1}, {1, 1}, {50, 50}, {99, 99}, {120, 99}, {255, 99}};
    for (auto [given, passed] : qualities)
        EXPECT_EQ(CMultiplexOutputFilters2::LimitQuality(static_cast<unsigned char>(given)), passed) << given;

    // Without a codec in use the block is 4 pixels.
    CFileOutputFilters2 set;
    unsigned short width = 321;
    unsigned short height = 65535;
    set.CalculateCodecSize(width, height);
    EXPECT_EQ(width, 324);
    EXPECT_EQ(height, 65532);

    for (unsigned long rate : {8000ul, 11025ul, 16000ul, 22050ul, 24000ul, 32000ul, 44100ul, 48000ul})
        EXPECT_TRUE(set.IsStandardSampleRate(rate)) << rate;
    EXPECT_FALSE(set.IsStandardSampleRate(96000));
}

} // namespace
