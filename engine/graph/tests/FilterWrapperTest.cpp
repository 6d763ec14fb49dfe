#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CFilterPin.h"
#include "COutputFilter.h"
#include "EngineTestFilters.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "dshow/DeviceInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/SinkFilter.h"
#include "dshow/WideText.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Shell.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A device enumerator over a fixed list of display names; binding makes a test filter
// and records the name it was bound for.
std::vector<std::string> gDeviceNames;
std::vector<std::string> gBound;

class CTestMoniker : public TComObject<IMoniker> {
public:
    explicit CTestMoniker(std::string name) : m_name(std::move(name)) {}
    HRESULT GetDisplayName(IUnknown*, IMoniker*, LPOLESTR* name) override
    {
        *name = CoTaskMemDupString(WideText(m_name).c_str());
        return S_OK;
    }
    HRESULT BindToObject(IUnknown*, IMoniker*, REFIID iid, void** object) override
    {
        gBound.push_back(m_name);
        return CreateComObject<COfferFilter>(iid, object);
    }

private:
    std::string m_name;
};

class CTestMonikers : public TComObject<IEnumMoniker> {
public:
    HRESULT Next(ULONG, IMoniker** monikers, ULONG* fetched) override
    {
        *fetched = 0;
        if (m_next >= gDeviceNames.size()) return S_FALSE;
        *monikers = new CTestMoniker(gDeviceNames[m_next++]);
        *fetched = 1;
        return S_OK;
    }
    HRESULT Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT Reset() override { m_next = 0; return S_OK; }
    HRESULT Clone(IEnumMoniker**) override { return E_NOTIMPL; }

private:
    size_t m_next = 0;
};

class CTestDeviceEnum : public TComObject<ICreateDevEnum> {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CTestDeviceEnum>(iid, object); }
    HRESULT CreateClassEnumerator(REFCLSID category, IEnumMoniker** monikers, DWORD) override
    {
        if (category != CLSID_VideoCompressorCategory) return S_FALSE;
        *monikers = new CTestMonikers();
        return S_OK;
    }
};

class FilterWrapperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_graph.Create());
        ComRegisterClass(CLSID_EngineTestPrivate, &CPrivateSettingFilter::Create);
    }
    void TearDown() override
    {
        ComRegisterClass(CLSID_EngineTestPrivate, nullptr);
        CDirectShowFilter::sPromptError = false;
        m_graph.Release();
        CoUninitialize();
    }
    bool InGraph(const char* name)
    {
        IBaseFilter* found = nullptr;
        if (FAILED(m_graph.GetGraph()->FindFilterByName(WideText(name).c_str(), &found)) || !found) return false;
        found->Release();
        return true;
    }
    void Prepare(CDirectShowFilter& filter, const char* name, const GUID& id)
    {
        filter.SetGraph(&m_graph);
        filter.SetName(name);
        filter.SetId(id);
    }
    CDirectShowGraph m_graph;
};

} // namespace

TEST_F(FilterWrapperTest, CreatesByClassIdAndJoinsTheGraph)
{
    CDirectShowFilter filter;
    Prepare(filter, "Null Renderer", CLSID_NullRenderer);
    ASSERT_TRUE(filter.Create());
    IBaseFilter* created = filter.GetFilter();
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(InGraph("Null Renderer"));
    // A second Create keeps the filter it has.
    EXPECT_TRUE(filter.Create());
    EXPECT_EQ(filter.GetFilter(), created);
    filter.Release();
    EXPECT_EQ(filter.GetFilter(), nullptr);
    EXPECT_FALSE(InGraph("Null Renderer"));
}

TEST_F(FilterWrapperTest, SecondIdIsTriedOnlyWhenSet)
{
    CDirectShowFilter filter;
    Prepare(filter, "Missing", CLSID_EngineTestMissing);
    EXPECT_FALSE(filter.Create());
    EXPECT_EQ(filter.GetFilter(), nullptr);
    filter.SetSecondId(CLSID_NullRenderer);
    EXPECT_TRUE(filter.Create());
    EXPECT_TRUE(InGraph("Missing"));
}

TEST_F(FilterWrapperTest, EncoderFiltersGetTheirPrivateSwitch)
{
    CPrivateSettingFilter::sLastValue = 0;
    CDirectShowFilter filter;
    Prepare(filter, "Encoder", CLSID_EngineTestPrivate);
    ASSERT_TRUE(filter.Create());
    EXPECT_EQ(CPrivateSettingFilter::sLastValue, 1);
    EXPECT_TRUE(filter.HasPrivateSetting());
    double seconds = -1;
    ASSERT_TRUE(filter.GetPassTime(seconds)); // nothing has passed through it yet
    EXPECT_EQ(seconds, 0);
    EXPECT_FALSE(filter.GetPosition(seconds)); // it does not seek
}

TEST_F(FilterWrapperTest, CompressorNamesMatchAfterBackslashOrDigit)
{
    ComClassFactory old = ComRegisterClass(CLSID_SystemDeviceEnum, &CTestDeviceEnum::Create);
    gDeviceNames = {"@device:cm:{33D9A760}\\Avideo", "@device:cm:{33D9A760}\\Bvideo",
                    "@device:cm:{33D9A760}\\7Cvideo", "@device:cm:{33D9A760}\\Dvideo\\video"};
    struct Case {
        const char* first;
        const char* second;
        const char* bound; // null: nothing bound
    };
    const Case cases[] = {
        {"Bvideo", nullptr, "@device:cm:{33D9A760}\\Bvideo"},
        {"video", nullptr, nullptr}, // a letter before the first occurrence, though "\\Dvideo\\video" has a later one
        {"Cvideo", nullptr, "@device:cm:{33D9A760}\\7Cvideo"}, // a digit before it
        {"Zvideo", "Avideo", "@device:cm:{33D9A760}\\Avideo"}, // the second name
        {"", "", nullptr},
    };
    for (const Case& c : cases) {
        gBound.clear();
        CDirectShowFilter filter;
        filter.SetGraph(&m_graph);
        filter.SetName("Compressor");
        filter.SetId(GUID{}, false, true, false);
        filter.SetCompressorNames(c.first, c.second);
        EXPECT_EQ(filter.Create(), c.bound != nullptr) << c.first;
        if (c.bound) {
            ASSERT_EQ(gBound.size(), 1u) << c.first;
            EXPECT_EQ(gBound[0], c.bound);
        } else {
            EXPECT_TRUE(gBound.empty()) << c.first;
        }
    }
    // The audio category is empty in this enumerator.
    CDirectShowFilter audio;
    audio.SetId(GUID{}, false, false, true);
    audio.SetCompressorNames("Avideo");
    EXPECT_FALSE(audio.Create());
    ComRegisterClass(CLSID_SystemDeviceEnum, old);
    // Without any device enumerator, nor a DMO wrapper, creation fails quietly.
    CDirectShowFilter vcm, dmo;
    vcm.SetId(GUID{}, false, true, false);
    vcm.SetCompressorNames("Avideo");
    EXPECT_FALSE(vcm.Create());
    dmo.SetId(CLSID_NullRenderer, true);
    EXPECT_FALSE(dmo.Create());
    EXPECT_EQ(dmo.GetComponentFilePath(), CString());
}

TEST_F(FilterWrapperTest, CreationFailurePromptsOnlyWhenAskedAndByKind)
{
    CDirectShowFilter::sPromptError = true;
    CString shown;
    CDirectShowFilter own;
    Prepare(own, "MP4 Muxer", CLSID_EngineTestMissing);
    own.SetOwnComponent(true);
    MvScriptModal([&](HWND h) {
        char text[512];
        GetDlgItemTextA(h, 10030, text, sizeof text);
        shown = text;
        SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(own.Create());
    EXPECT_EQ(shown, CString("Failed to create MP4 Muxer component.\nThis is usually caused by installation problems. "
                             "Please reinstall the software."));

    CDirectShowFilter system;
    Prepare(system, "Video Renderer", CLSID_EngineTestMissing);
    system.SetSystemComponent(true);
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
    EXPECT_FALSE(system.Create());
    EXPECT_EQ(shown, CString("Failed to create Video Renderer component.\nThis is a standard Microsoft component. "
                             "This is usually caused by outdated DirectX installation.Would you like to install the "
                             "latest DirectX?"));
    EXPECT_EQ(caption, CString("Install DX"));
    EXPECT_EQ(MvTakeShellOpens().size(), 1u);
    MvSetShellOpenHandler(nullptr);
}

TEST_F(FilterWrapperTest, PinsAreFoundByTagIndexOrFirstFreePin)
{
    ComRegisterClass(CLSID_EngineTestOffer, [](REFIID iid, void** object) {
        HRESULT hr = CreateComObject<COfferFilter>(iid, object);
        auto* filter = static_cast<COfferFilter*>(static_cast<IBaseFilter*>(*object));
        CMediaType pcm;
        MakePcmMediaType(pcm, 8000, 1, 16);
        filter->AddOffering(PINDIR_OUTPUT, u"Audio 1", {pcm});
        filter->AddOffering(PINDIR_OUTPUT, u"Audio 2", {pcm});
        filter->AddOffering(PINDIR_INPUT, u"Input", {});
        return hr;
    });
    CDirectShowFilter source;
    Prepare(source, "Source", CLSID_EngineTestOffer);
    ASSERT_TRUE(source.Create());
    auto* raw = static_cast<COfferFilter*>(source.GetFilter());

    CFilterPin tagged(&source, "2", false);
    tagged.SearchTag("2", true);
    EXPECT_EQ(tagged.GetPin(), static_cast<IPin*>(raw->PinAt(1)));
    CFilterPin second(&source, "", false);
    second.SearchTag("Video", true);
    second.SearchTag2("Audio");
    EXPECT_EQ(second.GetPin(), static_cast<IPin*>(raw->PinAt(0)));
    CFilterPin indexed(&source, "", false);
    indexed.SetIndex(1);
    EXPECT_EQ(indexed.GetPin(), static_cast<IPin*>(raw->PinAt(1)));
    CFilterPin input(&source, "", true);
    EXPECT_EQ(input.GetPin(), static_cast<IPin*>(raw->PinAt(2)));
    CFilterPin wrongType(&source, "", false);
    wrongType.SetMediaType(MEDIATYPE_Video, GUID{});
    EXPECT_EQ(wrongType.GetPin(), nullptr);

    // Connect the first pin; a free-pin search then skips it, and a dynamic pin
    // without a peer is looked up again.
    CDirectShowFilter sink;
    Prepare(sink, "Sink", CLSID_NullRenderer);
    ASSERT_TRUE(sink.Create());
    CFilterPin first(&source, "", false);
    first.MakeDynamic(true);
    EXPECT_EQ(first.GetPin(), static_cast<IPin*>(raw->PinAt(0)));
    CFilterPin sinkIn(&sink, "", true);
    ASSERT_TRUE(m_graph.GetGraph()->ConnectDirect(raw->PinAt(0), sinkIn.GetPin(), nullptr) == S_OK);
    EXPECT_EQ(first.GetPin(), static_cast<IPin*>(raw->PinAt(1)));
    // Under one tag, a dynamic pin takes the next free pin; a fixed one keeps the first.
    CFilterPin nextAudio(&source, "Audio", false);
    nextAudio.SearchTag("Audio", true);
    nextAudio.MakeDynamic(true);
    EXPECT_EQ(nextAudio.GetPin(), static_cast<IPin*>(raw->PinAt(1)));
    CFilterPin fixedAudio(&source, "Audio", false);
    fixedAudio.SearchTag("Audio", true);
    EXPECT_EQ(fixedAudio.GetPin(), static_cast<IPin*>(raw->PinAt(0)));
    CFilterPin typed(&source, "", false);
    typed.SetMediaType(MEDIATYPE_Audio, MEDIASUBTYPE_PCM);
    EXPECT_EQ(typed.GetPin(), static_cast<IPin*>(raw->PinAt(1)));
    sinkIn.Release();
    first.Release();
    ComRegisterClass(CLSID_EngineTestOffer, nullptr);
}

TEST_F(FilterWrapperTest, ConnectRetriesWithoutTheTypeAndLinksBothPins)
{
    ComRegisterClass(CLSID_EngineTestOffer, [](REFIID iid, void** object) {
        HRESULT hr = CreateComObject<COfferFilter>(iid, object);
        CMediaType pcm;
        MakePcmMediaType(pcm, 8000, 1, 16);
        static_cast<COfferFilter*>(static_cast<IBaseFilter*>(*object))->AddOffering(PINDIR_OUTPUT, u"Out", {pcm});
        return hr;
    });
    CDirectShowFilter source, sink;
    Prepare(source, "Source", CLSID_EngineTestOffer);
    Prepare(sink, "Sink", CLSID_NullRenderer);
    ASSERT_TRUE(source.Create());
    ASSERT_TRUE(sink.Create());
    CFilterPin out(&source, "", false), in(&sink, "", true);
    CMediaType video;
    video.SetType(MEDIATYPE_Video);
    video.SetSubtype(MEDIASUBTYPE_RGB24);
    // The sink takes the video type too; the source does not offer it, so the typed
    // connection fails and the untyped one succeeds.
    ASSERT_TRUE(in.Connect(&out, &video));
    EXPECT_EQ(in.GetConnectedPin(), &out);
    EXPECT_EQ(out.GetConnectedPin(), &in);
    EXPECT_TRUE(out.HasSubType(MEDIASUBTYPE_PCM));
    EXPECT_TRUE(in.HasFormatType(FORMAT_WaveFormatEx));
    EXPECT_FALSE(in.HasSubType(MEDIASUBTYPE_RGB24));
    GUID major{}, sub{}, format{};
    ASSERT_TRUE(in.GetTypes(major, sub, format));
    EXPECT_EQ(major, MEDIATYPE_Audio);
    out.Disconnect();
    EXPECT_EQ(in.GetConnectedPin(), nullptr);
    IPin* peer = nullptr;
    EXPECT_NE(in.GetPin()->ConnectedTo(&peer), S_OK);
    // Without a graph nothing connects.
    CDirectShowFilter loose;
    CFilterPin nowhere(&loose, "", false);
    EXPECT_FALSE(nowhere.Connect(&in, nullptr));
    ComRegisterClass(CLSID_EngineTestOffer, nullptr);
}

TEST_F(FilterWrapperTest, CopiesHoldTheirOwnReferences)
{
    COutputFilter writer;
    Prepare(writer, "Writer", CLSID_NullRenderer);
    writer.SetInputPin(new CFilterPin(&writer, "In", true));
    ASSERT_TRUE(writer.Create());
    ASSERT_NE(writer.GetInputPin()->GetPin(), nullptr);
    {
        COutputFilter copy(writer);
        EXPECT_EQ(copy.GetFilter(), writer.GetFilter());
        EXPECT_NE(copy.GetInputPin(), writer.GetInputPin());
        EXPECT_TRUE(copy.SetupBeforeConnect());
        EXPECT_EQ(copy.GetVideoInputPin(), nullptr);
    }
    // The copy's release left the original's filter alive and in the graph.
    EXPECT_TRUE(InGraph("Writer"));
    CLSID clsid{};
    EXPECT_EQ(writer.GetFilter()->GetClassID(&clsid), S_OK);
}
