#include "CDirectShowGraph.h"
#include "CFilterTracker.h"
#include "CFormatTypes.h"
#include "CMuxFilter.h"
#include "COutputFilter.h"
#include "CQuickTimeFileWriter.h"
#include "CQuickTimeMp4ExportWriter.h"
#include "CStandardFileWriter.h"
#include "CWmAsfWriter.h"
#include "ConstGuid.h"
#include "EngineTestFilters.h"
#include "dshow/images/ImageIds.h"
#include "StApplicationId.h"
#include "UFilterUtils2.h"
#include "WriterIds.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

const CLSID CLSID_TestCountedMux = ConstGuid("6A2C0201-0000-4000-8000-000000000201");
const CLSID CLSID_TestMissingMux = ConstGuid("6A2C0202-0000-4000-8000-000000000202");

int gMuxCreations = 0;

class WriterFactoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_graph.Create());
        if (!CFormatTypes::sFormatTypes) m_types = std::make_unique<CFormatTypes>();
    }
    void TearDown() override
    {
        CDirectShowFilter::sPromptError = false;
        m_graph.Release();
        CoUninitialize();
    }

    CDirectShowGraph m_graph;
    std::unique_ptr<CFormatTypes> m_types;
};

TEST_F(WriterFactoryTest, EachTypeGetsItsWriterUnderItsName)
{
    const struct {
        ESplitterType type;
        const char* name;
    } rows[] = {{100, "Standard File Writer"}, {500, "Standard File Writer"}, {1600, "Standard File Writer"},
                {200, "WMV Writer"},           {252, "WMV Writer"},           {310, "Sarvex MPEG Writer"},
                {600, "QuickTime Writer"},     {601, "QuickTime Export"},     {611, "QuickTime DV Export"},
                {620, "QuickTime FLC Export"}, {631, "QuickTime 3GP Export"}, {640, "QuickTime MP4 Export"},
                {650, "QuickTime AIF Export"}, {900, "Morvane File Writer"},  {1000, "RealMedia Writer"},
                {1300, "Flash Writer"},        {1700, "File Writer"},         {1800, "File Writer"},
                {2000, "ff MPEG1 Writer"},     {2022, "ff MPEG4 PSP Writer"}, {2040, "ff SWF Writer"},
                {2041, "ff FLV Writer"}};
    for (const auto& row : rows) {
        std::unique_ptr<COutputFilter> writer(UFilterUtils2::CreateOutput(&m_graph, row.type));
        ASSERT_NE(writer, nullptr) << row.type;
        EXPECT_STREQ(writer->GetName(), row.name) << row.type;
        EXPECT_EQ(writer->GetFilter(), nullptr) << row.type;
    }
    std::unique_ptr<COutputFilter> mp3(UFilterUtils2::CreateOutput(&m_graph, 350));
    EXPECT_NE(dynamic_cast<CStandardFileWriter*>(mp3.get()), nullptr);
    for (ESplitterType none : {800, 1410, 1421, 1430, 1440, 12345})
        EXPECT_EQ(std::unique_ptr<COutputFilter>(UFilterUtils2::CreateOutput(&m_graph, none)), nullptr) << none;
}

TEST_F(WriterFactoryTest, MultiplexersComeFromTheFormatRow)
{
    std::unique_ptr<CMuxFilter> mp3(UFilterUtils2::CreateMultiplexer(&m_graph, 350));
    ASSERT_NE(mp3, nullptr);
    EXPECT_STREQ(mp3->GetName(), "Mux");
    EXPECT_EQ(mp3->GetId(), ConstGuid("9C3E6FDF-779A-4CAD-AE00-40175CD89F58"));
    EXPECT_EQ(std::unique_ptr<CMuxFilter>(UFilterUtils2::CreateMultiplexer2(&m_graph, 350)), nullptr);
    // The animated GIF is put together by the image set's multiplexer; image files need none.
    std::unique_ptr<CMuxFilter> gif(UFilterUtils2::CreateMultiplexer(&m_graph, 1600));
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(gif->GetId(), CLSID_AnimatedGifMux);
    EXPECT_EQ(std::unique_ptr<CMuxFilter>(UFilterUtils2::CreateMultiplexer(&m_graph, 1700)), nullptr);
    EXPECT_EQ(std::unique_ptr<CMuxFilter>(UFilterUtils2::CreateMultiplexer(&m_graph, 12345)), nullptr);
}

TEST_F(WriterFactoryTest, ProbeAnswersOncePerTypeAndOncePerFilterClass)
{
    ComRegisterClass(CLSID_TestCountedMux, [](REFIID iid, void** object) {
        ++gMuxCreations;
        return CreateComObject<COfferFilter>(iid, object);
    });
    CFormatTypes& types = *CFormatTypes::sFormatTypes;
    // Types without a writer, so that only their multiplexers decide.
    types.AddFileType(9101, "Probe A", "", 3)->SetMuxId(CLSID_TestCountedMux);
    types.AddFileType(9102, "Probe B", "", 3)->SetMuxId(CLSID_TestCountedMux);
    types.AddFileType(9103, "Probe C", "", 3)->SetMuxId(CLSID_TestMissingMux);
    types.AddFileType(9104, "Probe D", "", 3);
    gMuxCreations = 0;
    EXPECT_TRUE(UFilterUtils2::NoneAliasFormatInstalled(9101));
    EXPECT_TRUE(UFilterUtils2::NoneAliasFormatInstalled(9102));
    EXPECT_TRUE(UFilterUtils2::NoneAliasFormatInstalled(9101));
    EXPECT_EQ(gMuxCreations, 1);
    EXPECT_TRUE(types.FindFileType(9101)->GetTested());
    EXPECT_FALSE(UFilterUtils2::NoneAliasFormatInstalled(9103));
    EXPECT_FALSE(types.FindFileType(9103)->GetLoaded());
    // No multiplexer and no writer: nothing stands in the way.
    EXPECT_TRUE(UFilterUtils2::NoneAliasFormatInstalled(9104));
    EXPECT_FALSE(UFilterUtils2::NoneAliasFormatInstalled(12345));
    EXPECT_TRUE(UFilterUtils2::FilterInstalled(CLSID_TestCountedMux));
    EXPECT_FALSE(UFilterUtils2::FilterInstalled(CLSID_TestMissingMux));
    ComRegisterClass(CLSID_TestCountedMux, nullptr);
}

TEST_F(WriterFactoryTest, StandardWriterStartsFromNoFile)
{
    MvTestHome home;
    const std::string path = home.Path() + "/old.wav";
    std::ofstream(path) << "old contents that must not survive";
    CStandardFileWriter writer(&m_graph);
    writer.SetFilePath(path.c_str());
    ASSERT_TRUE(writer.Create());
    writer.Release();
    std::ifstream in(path);
    std::string left((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(left.find("old contents"), std::string::npos);
}

TEST_F(WriterFactoryTest, QuickTimeWritersTakeTheApplicationsClassAndFailCleanlyWithoutQuickTime)
{
    StApplicationId own(0);
    StApplicationId* process = StApplicationId::sId ? StApplicationId::sId : &own;
    const unsigned long previous = process->GetId();
    process->SetId(59301);
    EXPECT_EQ(CQuickTimeFileWriter(&m_graph).GetId(), CLSID_QuickTimeWriter59301);
    EXPECT_EQ(CQuickTimeMp4ExportWriter(&m_graph).GetId(), CLSID_QuickTimeMp4Export2);
    process->SetId(1);
    EXPECT_EQ(CQuickTimeFileWriter(&m_graph).GetId(), CLSID_QuickTimeWriter);
    EXPECT_EQ(CQuickTimeMp4ExportWriter(&m_graph).GetId(), CLSID_QuickTimeMp4Export);
    process->SetId(previous);

    CDirectShowFilter::sPromptError = true;
    CString shown;
    MvScriptModal([&](HWND h) {
        char text[512];
        GetDlgItemTextA(h, 10030, text, sizeof text);
        shown = text;
        SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    CQuickTimeFileWriter writer(&m_graph);
    EXPECT_FALSE(writer.Create());
    EXPECT_EQ(writer.GetFilter(), nullptr);
    EXPECT_EQ(shown, CString("Failed to create QuickTime Writer component.\nThis is usually caused by installation "
                             "problems. Please reinstall the software."));
}

TEST_F(WriterFactoryTest, TheWindowsMediaTypesAreInstalledWhicheverIsAskedFirst)
{
    MvTestHome home;
    // The four types share the ASF writer's class id; the one that needs a profile name
    // to be configured is asked first.
    ASSERT_EQ(CFilterTracker::sFilterTracker.Find(CLSID_WmAsfWriter), nullptr);
    for (ESplitterType type : {252, 250, 251, 200}) {
        CFormatType* row = CFormatTypes::sFormatTypes->FindFileType(type);
        ASSERT_NE(row, nullptr);
        row->SetTested(false);
        EXPECT_TRUE(UFilterUtils2::NoneAliasFormatInstalled(type)) << type;
    }
    bool installed = false;
    EXPECT_TRUE(CFilterTracker::sFilterTracker.IsTested(CLSID_WmAsfWriter, installed));
    EXPECT_TRUE(installed);
    // Creating it for a job still configures it: 252 without a profile name fails.
    std::unique_ptr<COutputFilter> writer(UFilterUtils2::CreateOutput(&m_graph, 252));
    writer->SetFilePath((home.Path() + "/job.wmv").c_str());
    EXPECT_FALSE(writer->Create());
}

TEST_F(WriterFactoryTest, WindowsMediaWriterOffersTheRuntimeWhenItCannotBeCreated)
{
    CDirectShowFilter::sPromptError = true;
    CString shown;
    CString caption;
    MvScriptModal([&](HWND h) {
        char text[512];
        GetDlgItemTextA(h, 10030, text, sizeof text);
        shown = text;
        GetDlgItemTextA(h, IDOK, text, sizeof text);
        caption = text;
        SendMessageA(h, WM_COMMAND, IDOK, 0);
    });
    MvSetShellOpenHandler([](const std::string&) { return true; });
    MvTakeShellOpens();
    // A machine without the runtime has no ASF writer to create.
    const ComClassFactory asfWriter = ComRegisterClass(CLSID_WmAsfWriter, nullptr);
    CWmAsfWriter writer(&m_graph);
    EXPECT_FALSE(writer.Create());
    ComRegisterClass(CLSID_WmAsfWriter, asfWriter);
    EXPECT_EQ(shown, CString("Failed to create WMV Writer component.\nThis is usually caused by absent or outdated "
                             "Windows Media Format installation.Would you like to install the Windows Media Format 9 "
                             "runtime?"));
    EXPECT_EQ(caption, CString("Install WMF9"));
    EXPECT_EQ(MvTakeShellOpens().size(), 1u);
    MvSetShellOpenHandler(nullptr);
}

} // namespace
