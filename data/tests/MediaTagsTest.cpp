#include "CMediaTags.h"
#include "CNamedValue.h"
#include "CPropertyValue.h"
#include "CTagMaps.h"
#include "DataTestSupport.h"

namespace {

std::vector<std::string> Names(const CMediaTags& tags)
{
    std::vector<std::string> names;
    for (int i = 0; i < tags.GetValueCount(); ++i) names.emplace_back(tags.GetValue(i)->GetName());
    return names;
}

}

TEST(MediaTags, ANameAlreadyPresentGetsTheNewValue)
{
    CMediaTags tags;
    tags.AddValue("TT2", "First");
    NoticeLog log(*tags.FindValue("TT2"));
    tags.AddValue("TT2", "Second");
    tags.AddValue("tt2", "other case");
    EXPECT_EQ(2, tags.GetValueCount());
    EXPECT_STREQ("Second", tags.FindValue("TT2")->GetValue());
    EXPECT_EQ((Codes{"namp"}), log.codes);
    EXPECT_EQ(nullptr, tags.FindValue("TP1"));
    EXPECT_EQ(nullptr, tags.GetValue(2));
}

TEST(MediaTags, WithoutTagMapsEntriesSortByTheirIds)
{
    ASSERT_EQ(nullptr, CTagMaps::sMaps);
    CMediaTags tags;
    for (const char* id : {"TT2", "TCM", "TP1"}) tags.AddValue(id, "x");
    EXPECT_EQ((std::vector<std::string>{"TCM", "TP1", "TT2"}), Names(tags));
}

TEST(MediaTags, WithTagMapsEntriesSortByTheirDisplayNames)
{
    CTagMaps maps;
    ASSERT_EQ(&maps, CTagMaps::sMaps);
    CMediaTags tags;
    // Title, Composer, Artist.
    for (const char* id : {"TT2", "TCM", "TP1"}) tags.AddValue(id, "x");
    EXPECT_EQ((std::vector<std::string>{"TP1", "TCM", "TT2"}), Names(tags));
}

TEST(MediaTags, TheCompareNeverCallsTwoPresentEntriesEqual)
{
    CNamedValue a, b;
    a.SetName("TT2");
    b.SetName("TT2");
    EXPECT_EQ(1, CMediaTags::CompareTags(&a, &b));
    b.SetName("TZZ");
    EXPECT_EQ(-1, CMediaTags::CompareTags(&a, &b));
    EXPECT_EQ(1, CMediaTags::CompareTags(&b, &a));
    EXPECT_EQ(0, CMediaTags::CompareTags(&a, nullptr));
    EXPECT_EQ(0, CMediaTags::CompareTags(nullptr, &a));
}

TEST(MediaTags, EveryNameAndValueSurvivesBothStoragesAndCopies)
{
    CMediaTags tags;
    const char* rows[][2] = {{"TAL", "Album"}, {"TP1", "Band"}, {"TT2", "Song"}, {"TYE", "2006"}};
    for (auto& row : rows) tags.AddValue(row[0], row[1]);
    std::string xml = XmlText(tags);
    EXPECT_TRUE(HasElement(xml, "values"));
    CMediaTags assigned;
    assigned.AddValue("old", "gone");
    assigned = tags;
    for (auto copy : {BinaryCopy(tags), XmlLoad<CMediaTags>(xml), std::make_shared<CMediaTags>(assigned),
                      std::make_shared<CMediaTags>(tags)}) {
        ASSERT_EQ(4, copy->GetValueCount());
        for (int i = 0; i < 4; ++i) {
            EXPECT_STREQ(rows[i][0], copy->GetValue(i)->GetName());
            EXPECT_STREQ(rows[i][1], copy->GetValue(i)->GetValue());
            EXPECT_NE(tags.GetValue(i), copy->GetValue(i));
        }
        // The copy keeps its order for entries added later.
        copy->AddValue("TCM", "Writer");
        EXPECT_STREQ("TCM", copy->GetValue(1)->GetName());
    }
}

TEST(MediaTags, AStoredEntryOfAnotherClassIsDropped)
{
    CMediaTags tags;
    tags.AddValue("TT2", "Song");
    auto* foreign = new CPropertyValue;
    foreign->SetName("TP1");
    tags.GetValues().Add(foreign);
    for (auto copy : {BinaryCopy(tags), XmlCopy(tags)}) {
        ASSERT_EQ(1, copy->GetValueCount());
        EXPECT_STREQ("TT2", copy->GetValue(0)->GetName());
    }
}
