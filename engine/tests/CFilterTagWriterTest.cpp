#include "CDirectShowFilter.h"
#include "CDirectShowGraph.h"
#include "CFilterTagWriter.h"
#include "CMediaTags.h"
#include "EncoderTagInterface.h"
#include "CNamedValue.h"
#include "EngineTestFilters.h"

#include "com/ClassRegistry.h"
#include "com/ComObject.h"
#include "com/ComRuntime.h"
#include "dshow/SinkFilter.h"

#include <gtest/gtest.h>

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

class FilterTagWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(m_graph.Create());
        ComRegisterClass(CLSID_EngineTestTags, &CTagFilter::Create);
        CTagFilter::sTags.clear();
        m_tags.AddValue("TT2", "Title");
        m_tags.AddValue("TP1", "Artist");
    }
    void TearDown() override
    {
        ComRegisterClass(CLSID_EngineTestTags, nullptr);
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

TEST_F(FilterTagWriterTest, EveryTagInListOrder)
{
    CDirectShowFilter filter;
    ASSERT_TRUE(Created(filter, CLSID_EngineTestTags));
    CFilterTagWriter writer(&filter);
    EXPECT_FALSE(writer.Write(m_tags));
    std::vector<std::pair<std::string, std::string>> expected;
    for (int i = 0; i < m_tags.GetValueCount(); ++i)
        expected.emplace_back(m_tags.GetValue(i)->GetName(), m_tags.GetValue(i)->GetValue());
    EXPECT_EQ(CTagFilter::sTags, expected);
    EXPECT_EQ(expected.size(), 2u);
}

TEST_F(FilterTagWriterTest, FilterWithoutTheInterfaceGetsNothing)
{
    CDirectShowFilter filter;
    ASSERT_TRUE(Created(filter, CLSID_NullRenderer));
    EXPECT_FALSE(CFilterTagWriter(&filter).Write(m_tags));
    CDirectShowFilter notCreated;
    EXPECT_FALSE(CFilterTagWriter(&notCreated).Write(m_tags));
    EXPECT_FALSE(CFilterTagWriter(nullptr).Write(m_tags));
    EXPECT_TRUE(CTagFilter::sTags.empty());
}

}  // namespace
