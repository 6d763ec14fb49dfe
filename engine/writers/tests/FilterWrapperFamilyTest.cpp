#include "CAudioCodecsInfo.h"
#include "CAudioEncoderFilter.h"
#include "CColorConverterFilter.h"
#include "CDirectShowGraph.h"
#include "CDirectShowSystem2.h"
#include "CFileInputSourceFilter.h"
#include "CFilterPin.h"
#include "CGlobalSetting.h"
#include "CMuxFilter.h"
#include "CSnapshotFilter.h"
#include "CTimeShifterFilter.h"
#include "ConstGuid.h"
#include "EncoderSetIds.h"
#include "EncoderSetInterfaces.h"
#include "EngineGuid.h"
#include "EngineTestFilters.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "com/Guid.h"
#include "dshow/MediaType.h"
#include "dshow/WideText.h"
#include "win32/dialogs/CommonDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CLSID CLSID_TestFamilySource = ConstGuid("6A2C0101-0000-4000-8000-000000000101");

// A filter that offers one settings interface beside its pins.
template <class I>
class TSettingsFilter : public COfferFilter, public I {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == I::kIid) return static_cast<I*>(this);
        return COfferFilter::FindInterface(iid);
    }
};

std::vector<std::string> gCalls;

void Called(const std::string& call)
{
    gCalls.push_back(call);
}

class CShifter : public TSettingsFilter<ITimeShifterSettings> {
public:
    HRESULT SetShift(double seconds) override
    {
        Called("shift " + std::to_string(seconds));
        return S_OK;
    }
};

class CInterleaver : public TSettingsFilter<IConfigInterleaving> {
public:
    HRESULT put_Mode(LONG mode) override
    {
        Called("mode " + std::to_string(mode));
        return S_OK;
    }
    HRESULT get_Mode(LONG*) override { return E_NOTIMPL; }
};

class CScalerSize : public TSettingsFilter<IScalerOutputSize> {
public:
    HRESULT SetKeepSize(BYTE on) override { return Record("keep", on); }
    HRESULT SetWidth(LONG width) override { return Record("width", width); }
    HRESULT SetHeight(LONG height) override { return Record("height", height); }
    HRESULT SetInputAspectFromSource(BYTE on) override { return Record("in from source", on); }
    HRESULT SetOutputAspectFromSource(BYTE on) override { return Record("out from source", on); }
    HRESULT SetInputAspect(double aspect) override { return Record("in", aspect); }
    HRESULT SetOutputAspect(double aspect) override { return Record("out", aspect); }
    HRESULT SetScaling(LONG scaling) override { return Record("scaling", scaling); }

private:
    static HRESULT Record(const char* what, double value)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%s %g", what, value);
        Called(text);
        return S_OK;
    }
};

class CSnapper : public TSettingsFilter<ISnapshotGrab>, public ISnapshotSettings {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }
    HRESULT GrabImage(BYTE** dib, LONG* size) override
    {
        if (!sHasImage) return S_FALSE;
        *dib = m_image;
        *size = sizeof m_image;
        return S_OK;
    }
    HRESULT SetMode(LONG) override { return S_OK; }
    HRESULT SetKind(LONG) override { return S_OK; }
    HRESULT SetPosition(double) override { return S_OK; }
    HRESULT SetResize(BYTE) override { return S_OK; }
    HRESULT SetWidth(LONG) override { return S_OK; }
    HRESULT SetHeight(LONG) override { return S_OK; }
    HRESULT SetName(const char*) override { return S_OK; }
    HRESULT SaveImage(const BYTE*, LONG, const char* path, LONG kind, LONG quality) override
    {
        Called(std::string("save ") + path + " " + std::to_string(kind) + " " + std::to_string(quality));
        return S_OK;
    }
    static inline bool sHasImage = false;

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == ISnapshotSettings::kIid) return static_cast<ISnapshotSettings*>(this);
        return TSettingsFilter<ISnapshotGrab>::FindInterface(iid);
    }

private:
    BYTE m_image[16] = {};
};

// An MP3 encoder that notes when it learns its library path and when it joins a graph.
class CLameEncoder : public TSettingsFilter<ILameLibraryPath> {
public:
    HRESULT SetLibraryPath(const char* path) override
    {
        Called(std::string("path ") + (path ? path : ""));
        return S_OK;
    }
    HRESULT JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override
    {
        if (graph) Called("join");
        return COfferFilter::JoinFilterGraph(graph, name);
    }
};

class FilterWrapperFamilyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_graph.Create());
        gCalls.clear();
    }
    void TearDown() override
    {
        for (const CLSID& id : m_registered) ComRegisterClass(id, nullptr);
        CDirectShowFilter::sPromptError = false;
        CDirectShowSystem2::sCapturing = false;
        m_graph.Release();
        CoUninitialize();
    }
    void Register(const CLSID& id, ComClassFactory factory)
    {
        ComRegisterClass(id, factory);
        m_registered.push_back(id);
    }

    CDirectShowGraph m_graph;
    std::vector<CLSID> m_registered;
};

TEST_F(FilterWrapperFamilyTest, ClassIdsReadFromTheirTextAsTheRuntimeReadsThem)
{
    for (const char* text : {"4438426E-2D7A-42AA-9749-72423C0B6A1D", "1310BEBE-AFE8-48F0-8957-93DBEAF584C1",
                             "f3f1c3e4-9483-4e64-ad87-67fb20cc74a1"}) {
        GUID parsed{};
        ASSERT_TRUE(GuidFromText((std::string("{") + text + "}").c_str(), &parsed)) << text;
        char copy[37];
        std::copy(text, text + 37, copy);
        EXPECT_EQ(ConstGuid(reinterpret_cast<const char(&)[37]>(copy)), parsed) << text;
    }
    EXPECT_EQ(CLSID_ColorConverter, ConstGuid("4438426E-2D7A-42AA-9749-72423C0B6A1D"));
}

TEST_F(FilterWrapperFamilyTest, StageWithoutItsSettingsInterfaceIsNotCreated)
{
    Register(CLSID_TimeShifter, Factory<CShifter>());
    CTimeShifterFilter shifter(&m_graph);
    shifter.SetShift(2.5);
    ASSERT_TRUE(shifter.Create());
    EXPECT_NE(shifter.GetSettings(), nullptr);
    EXPECT_EQ(gCalls, std::vector<std::string>{"shift 2.500000"});

    // The same filter class without the interface: the wrapper stays uncreated and out of the graph.
    Register(CLSID_TimeShifter, Factory<COfferFilter>());
    CTimeShifterFilter plain(&m_graph, "Time Shifter 2");
    EXPECT_FALSE(plain.Create());
    EXPECT_EQ(plain.GetFilter(), nullptr);
    IBaseFilter* found = nullptr;
    EXPECT_TRUE(FAILED(m_graph.GetGraph()->FindFilterByName(WideText("Time Shifter 2").c_str(), &found)));
}

TEST_F(FilterWrapperFamilyTest, SourcePinsAreFiledByKindOnceEachCreation)
{
    const GUID pack = ConstGuid("ED0B916A-044D-11D1-AA78-00C04FC31D60");
    auto offering = [](const GUID& major, const GUID& sub) {
        CMediaType type;
        type.SetType(major);
        type.SetSubtype(sub);
        return std::vector<CMediaType>{type};
    };
    static std::vector<std::pair<std::u16string, std::vector<CMediaType>>> pins;
    pins = {{u"v", offering(MEDIATYPE_Video, GUID{})},
            {u"a", offering(MEDIATYPE_Audio, MEDIASUBTYPE_PCM)},
            {u"dvd video", offering(pack, ConstGuid("E06D8026-DB46-11CF-B4D1-00805F6CBBEA"))},
            {u"dvd ac3", offering(pack, ConstGuid("E06D802C-DB46-11CF-B4D1-00805F6CBBEA"))},
            {u"dvd other", offering(pack, ConstGuid("E06D8099-DB46-11CF-B4D1-00805F6CBBEA"))},
            {u"sub", offering(ConstGuid("E487EB08-6B26-4BE9-9DD3-993434D313FD"), GUID{})},
            {u"text", offering(MEDIATYPE_Text, GUID{})},
            {u"stream", offering(MEDIATYPE_Stream, GUID{})}};
    Register(CLSID_TestFamilySource, [](REFIID iid, void** object) {
        const HRESULT hr = CreateComObject<COfferFilter>(iid, object);
        auto* filter = static_cast<COfferFilter*>(static_cast<IBaseFilter*>(*object));
        filter->AddOffering(PINDIR_INPUT, u"in", {});
        for (const auto& [name, types] : pins) filter->AddOffering(PINDIR_OUTPUT, name, types);
        return hr;
    });
    CFileInputSourceFilter source(&m_graph);
    source.SetId(CLSID_TestFamilySource);
    // A source class without the file interface cannot load a path.
    EXPECT_FALSE(source.Create());

    CSourceFilter walked(&m_graph);
    walked.SetId(CLSID_TestFamilySource);
    ASSERT_TRUE(walked.Create());
    EXPECT_EQ(walked.GetVideoPinCount(), 2);
    EXPECT_EQ(walked.GetAudioPinCount(), 2);
    EXPECT_EQ(walked.GetSubtitlePinCount(), 2);
    EXPECT_EQ(walked.GetStreamPinCount(), 1);
    EXPECT_TRUE(walked.HasMediaPins());
    walked.WalkPins();
    EXPECT_EQ(walked.GetVideoPinCount(), 2);
    EXPECT_EQ(walked.GetVideoPin(2), nullptr);

    walked.Release();
    pins = {{u"dvd other", offering(pack, ConstGuid("E06D8099-DB46-11CF-B4D1-00805F6CBBEA"))}};
    ASSERT_TRUE(walked.Create());
    EXPECT_FALSE(walked.HasMediaPins());
    EXPECT_EQ(walked.GetStreamPinCount(), 0);
}

TEST_F(FilterWrapperFamilyTest, MultiplexerInterleavesFullyExceptWhileCapturing)
{
    Register(CLSID_TestFamilySource, Factory<CInterleaver>());
    CMuxFilter mux(&m_graph);
    mux.SetId(CLSID_TestFamilySource);
    ASSERT_TRUE(mux.Create());
    mux.Release();
    CDirectShowSystem2::sCapturing = true;
    ASSERT_TRUE(mux.Create());
    EXPECT_EQ(gCalls, (std::vector<std::string>{"mode 2", "mode 0"}));
    EXPECT_EQ(mux.GetVideoInPin(2), nullptr);
}

TEST_F(FilterWrapperFamilyTest, ConverterPicksItsClassByCropAndPassesItsSize)
{
    Register(CLSID_ColorConverter, Factory<CScalerSize>());
    CColorConverterFilter scaler(&m_graph, "Scaler");
    scaler.SetSize(640, 480);
    scaler.SetInputAspect(4.0 / 3.0);
    scaler.SetScaling(kLetterBox);
    ASSERT_TRUE(scaler.Create());
    EXPECT_EQ(scaler.GetId(), CLSID_ColorConverter);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"keep 0", "width 640", "height 480", "in from source 0",
                                                "in 1.33333", "out from source 1", "scaling 2"}));

    // A crop asks for the cropping converter.
    Register(CLSID_CroppingColorConverter, Factory<CScalerSize>());
    CColorConverterFilter cropping(&m_graph, "Scaler 2");
    cropping.SetCrop(10, 10, 100, 100);
    ASSERT_TRUE(cropping.Create());
    EXPECT_EQ(cropping.GetId(), CLSID_CroppingColorConverter);
}

TEST_F(FilterWrapperFamilyTest, SnapshotPromptsOnlyForAnImage)
{
    Register(CLSID_SnapShot, Factory<CSnapper>());
    CSnapshotFilter snapshot(&m_graph);
    EXPECT_EQ(snapshot.GetId(), EngineGuid("{3FABE755-F53F-448B-B5A1-0ADF8000BBD4}"));
    ASSERT_TRUE(snapshot.Create());
    MvTakeShownFileDialogs();
    CSnapper::sHasImage = false;
    EXPECT_FALSE(snapshot.Snap(0, 0));
    EXPECT_TRUE(MvTakeShownFileDialogs().empty());

    CSnapper::sHasImage = true;
    MvScriptFileDialog({true, {"/tmp/still.jpg"}, 0});
    EXPECT_TRUE(snapshot.Snap(0, 0));
    EXPECT_EQ(MvTakeShownFileDialogs().size(), 1u);
    EXPECT_EQ(gCalls, std::vector<std::string>{"save /tmp/still.jpg 1002 107"});
}

TEST_F(FilterWrapperFamilyTest, Mp3EncoderLearnsItsLibraryBeforeJoiningTheGraph)
{
    Register(CLSID_TestFamilySource, Factory<CLameEncoder>());
    CAudioCodecsInfo codecs(true);
    codecs.Add("Lame_enc.dll", "")->SetId(CLSID_TestFamilySource);
    CGlobalSetting settings;
    settings.GetLameDll().SetFilePath("/opt/encoders/lame_enc.dll");
    CAudioEncoderFilter encoder(&m_graph);
    encoder.SetCodec("Lame_enc.dll", "");
    ASSERT_TRUE(encoder.Create());
    EXPECT_EQ(gCalls, (std::vector<std::string>{"path /opt/encoders/lame_enc.dll", "join"}));
}

} // namespace
