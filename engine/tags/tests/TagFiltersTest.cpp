#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CDvDecoderFilter.h"
#include "CFilterTagWriter.h"
#include "CTagMaps.h"
#include "CWmTagReader.h"
#include "CWmTagWriter.h"
#include "CMediaTags.h"
#include "EncoderTagInterface.h"
#include "CNamedValue.h"
#include "DvDecoderInterface.h"
#include "EngineTestFilters.h"
#include "WmHeaderInfo.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "dshow/WideText.h"
#include "dshow/SinkFilter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

inline const CLSID CLSID_EngineTestTags = {0x6A2C0010, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x10}};

class CTagFilter : public COfferFilter, public IEncoderTags {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CTagFilter>(iid, object); }
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }
    HRESULT SetTag(const char* name, const char* value) override
    {
        sTags.emplace_back(name, value);
        return S_OK;
    }
    static inline std::vector<std::pair<std::string, std::string>> sTags;

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IEncoderTags::kIid) return static_cast<IEncoderTags*>(this);
        return COfferFilter::FindInterface(iid);
    }
};

inline const CLSID CLSID_EngineTestWm = {0x6A2C0011, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x11}};

struct Attribute {
    std::string name;
    WMT_ATTR_DATATYPE type;
    std::vector<BYTE> value;
};

Attribute StringAttribute(const char* name, const char* text)
{
    const std::u16string wide = WideText(text);
    std::vector<BYTE> bytes((wide.size() + 1) * sizeof(WCHAR));
    std::memcpy(bytes.data(), wide.c_str(), bytes.size());
    return {name, WMT_TYPE_STRING, bytes};
}

Attribute NumberAttribute(const char* name, DWORD n, WMT_ATTR_DATATYPE type = WMT_TYPE_DWORD)
{
    std::vector<BYTE> bytes(type == WMT_TYPE_WORD ? 2 : 4);
    std::memcpy(bytes.data(), &n, bytes.size());
    return {name, type, bytes};
}

// A filter with Windows Media header attributes: those it was given, and those set on it.
class CWmFilter : public COfferFilter, public IWMHeaderInfo {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CWmFilter>(iid, object); }
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }
    HRESULT GetAttributeCount(WORD, WORD* count) override
    {
        *count = static_cast<WORD>(sAttributes.size());
        return S_OK;
    }
    HRESULT GetAttributeByIndex(WORD index, WORD* stream, WCHAR* name, WORD* nameLength, WMT_ATTR_DATATYPE* type,
                                BYTE* value, WORD* valueLength) override
    {
        if (index >= sAttributes.size()) return E_INVALIDARG;
        const Attribute& a = sAttributes[index];
        const std::u16string wide = WideText(a.name);
        *stream = 0;
        *type = a.type;
        if (name) std::memcpy(name, wide.c_str(), (wide.size() + 1) * sizeof(WCHAR));
        if (value) std::memcpy(value, a.value.data(), a.value.size());
        *nameLength = static_cast<WORD>(wide.size() + 1);
        *valueLength = static_cast<WORD>(a.value.size());
        return S_OK;
    }
    HRESULT GetAttributeByName(WORD*, LPCWSTR, WMT_ATTR_DATATYPE*, BYTE*, WORD*) override { return E_NOTIMPL; }
    HRESULT SetAttribute(WORD stream, LPCWSTR name, WMT_ATTR_DATATYPE type, const BYTE* value, WORD length) override
    {
        EXPECT_EQ(stream, 0);
        EXPECT_EQ(type, WMT_TYPE_STRING);
        EXPECT_EQ(length % 2, 0);
        EXPECT_EQ(value[length - 1], 0);
        sSet.emplace_back(NarrowText(name), NarrowText(reinterpret_cast<const WCHAR*>(value)));
        return S_OK;
    }
    static inline std::vector<Attribute> sAttributes;
    static inline std::vector<std::pair<std::string, std::string>> sSet;

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IWMHeaderInfo::kIid) return static_cast<IWMHeaderInfo*>(this);
        return COfferFilter::FindInterface(iid);
    }
};

inline const CLSID CLSID_EngineTestDv = {0x6A2C0012, 0x0000, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0x12}};

class CDvFilter : public COfferFilter, public IIPDVDec {
public:
    static HRESULT Create(REFIID iid, void** object) { return CreateComObject<CDvFilter>(iid, object); }
    HRESULT QueryInterface(REFIID iid, void** object) override { return COfferFilter::QueryInterface(iid, object); }
    ULONG AddRef() override { return COfferFilter::AddRef(); }
    ULONG Release() override { return COfferFilter::Release(); }
    HRESULT get_IPDisplay(int* resolution) override
    {
        *resolution = sResolution;
        return S_OK;
    }
    HRESULT put_IPDisplay(int resolution) override
    {
        sResolution = resolution;
        return S_OK;
    }
    static inline int sResolution = 0;

protected:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IIPDVDec::kIid) return static_cast<IIPDVDec*>(this);
        return COfferFilter::FindInterface(iid);
    }
};

class TagFilterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_graph.Create());
        ComRegisterClass(CLSID_EngineTestTags, &CTagFilter::Create);
        ComRegisterClass(CLSID_EngineTestWm, &CWmFilter::Create);
        ComRegisterClass(CLSID_EngineTestDv, &CDvFilter::Create);
        CTagFilter::sTags.clear();
        CWmFilter::sAttributes.clear();
        CWmFilter::sSet.clear();
        m_tags.AddValue("TT2", "Title");
        m_tags.AddValue("TP1", "Artist");
    }
    void TearDown() override
    {
        ComRegisterClass(CLSID_EngineTestTags, nullptr);
        ComRegisterClass(CLSID_EngineTestWm, nullptr);
        ComRegisterClass(CLSID_EngineTestDv, nullptr);
        m_graph.Release();
        CoUninitialize();
    }
    bool Created(CDirectShowFilter& filter, const GUID& id)
    {
        filter.SetGraph(&m_graph);
        filter.SetName("Writer");
        filter.SetId(id);
        return filter.Create();
    }

    CDirectShowGraph m_graph;
    CMediaTags m_tags;
};

TEST_F(TagFilterTest, EveryTagInListOrder)
{
    CDirectShowFilter filter;
    ASSERT_TRUE(Created(filter, CLSID_EngineTestTags));
    CFilterTagWriter writer(&filter);
    EXPECT_TRUE(writer.Write(m_tags));
    std::vector<std::pair<std::string, std::string>> expected;
    for (int i = 0; i < m_tags.GetValueCount(); ++i)
        expected.emplace_back(m_tags.GetValue(i)->GetName(), m_tags.GetValue(i)->GetValue());
    EXPECT_EQ(CTagFilter::sTags, expected);
    EXPECT_EQ(expected.size(), 2u);
}

TEST_F(TagFilterTest, FilterWithoutTheInterfaceGetsNothing)
{
    CDirectShowFilter filter;
    ASSERT_TRUE(Created(filter, CLSID_NullRenderer));
    EXPECT_FALSE(CFilterTagWriter(&filter).Write(m_tags));
    CDirectShowFilter notCreated;
    EXPECT_FALSE(CFilterTagWriter(&notCreated).Write(m_tags));
    EXPECT_FALSE(CFilterTagWriter(nullptr).Write(m_tags));
    EXPECT_TRUE(CTagFilter::sTags.empty());
}

TEST_F(TagFilterTest, WindowsMediaAttributesBecomeTags)
{
    CTagMaps maps;
    CWmFilter::sAttributes = {StringAttribute("Title", "A title"), StringAttribute("Author", ""),
                              NumberAttribute("WM/TrackNumber", 7, WMT_TYPE_WORD), StringAttribute("WM/GenreID", "(17)"),
                              StringAttribute("Unknown", "x"), {"WM/Year", WMT_TYPE_BINARY, {1, 2}}};
    CDirectShowFilter filter;
    ASSERT_TRUE(Created(filter, CLSID_EngineTestWm));
    CMediaTags tags;
    EXPECT_TRUE(CWmTagReader(&filter).Read(tags));
    EXPECT_EQ(tags.GetValueCount(), 3);
    ASSERT_NE(tags.FindValue("TT2"), nullptr);
    EXPECT_EQ(tags.FindValue("TT2")->GetValue(), "A title");
    EXPECT_EQ(tags.FindValue("TP1"), nullptr);
    ASSERT_NE(tags.FindValue("TRK"), nullptr);
    EXPECT_EQ(tags.FindValue("TRK")->GetValue(), "7");
    ASSERT_NE(tags.FindValue("TCO"), nullptr);
    EXPECT_EQ(tags.FindValue("TCO")->GetValue(), "Rock");

    CDirectShowFilter plain;
    ASSERT_TRUE(Created(plain, CLSID_EngineTestTags));
    CMediaTags none;
    EXPECT_FALSE(CWmTagReader(&plain).Read(none));
    EXPECT_EQ(none.GetValueCount(), 0);
}

TEST_F(TagFilterTest, TagsBecomeWindowsMediaAttributes)
{
    m_tags.AddValue("COM", "Said");
    m_tags.AddValue("XYZ", "no attribute");
    CDirectShowFilter filter;
    ASSERT_TRUE(Created(filter, CLSID_EngineTestWm));
    CWmTagWriter writer(&filter);
    EXPECT_EQ(writer.GetNameTable().GetLookupCount(), 30);
    EXPECT_TRUE(writer.Write(m_tags));
    ASSERT_EQ(CWmFilter::sSet.size(), 5u);
    std::map<std::string, std::string> set(CWmFilter::sSet.begin(), CWmFilter::sSet.end());
    EXPECT_EQ(set["Title"], "Title");
    EXPECT_EQ(set["Author"], "Artist");
    EXPECT_EQ(set["Description"], "Said");
    EXPECT_EQ(set.count("WM/Comments"), 0u);
    EXPECT_EQ(CWmFilter::sSet[3].first, "WM/ToolName");
    EXPECT_EQ(CWmFilter::sSet[4].first, "WM/ToolVersion");

    CDirectShowFilter plain;
    ASSERT_TRUE(Created(plain, CLSID_EngineTestTags));
    CWmFilter::sSet.clear();
    EXPECT_FALSE(CWmTagWriter(&plain).Write(m_tags));
    EXPECT_TRUE(CWmFilter::sSet.empty());
}

TEST_F(TagFilterTest, DvDecoderDecodesAtFullSize)
{
    CDvFilter::sResolution = 0;
    CDvDecoderFilter decoder;
    ASSERT_TRUE(Created(decoder, CLSID_EngineTestDv));
    EXPECT_EQ(CDvFilter::sResolution, DVRESOLUTION_FULL);
    CDvDecoderFilter other;
    EXPECT_TRUE(Created(other, CLSID_EngineTestTags));  // no DV interface: left as it is
}

}  // namespace
