#include "CLookupList.h"

#include <gtest/gtest.h>

TEST(CLookupList, LooksUpInBothDirections)
{
    CLookupList list;
    list.AddLookup("TIT2", "TT2");
    list.AddLookup("TPE1", "TP1");
    list.AddLookup("TXXX", "TP1");

    EXPECT_STREQ(list.GetValue("TPE1"), "TP1");
    EXPECT_STREQ(list.GetName("TP1"), "TPE1");  // the first pair with the value
    EXPECT_EQ(list.GetValue("NONE"), nullptr);
    EXPECT_EQ(list.GetName("NONE"), nullptr);
    EXPECT_EQ(list.GetValue(nullptr), nullptr);
    EXPECT_EQ(list.Find("tit2"), nullptr);
    EXPECT_EQ(list.FindByValue("TT2"), list.GetLookup(0));
}

TEST(CLookupList, AddLookupOfAnExistingNameReplacesItsValue)
{
    CLookupList list;
    list.AddLookup("a", "1");
    list.AddLookup("b", "2");
    list.AddLookup("a", "3");

    ASSERT_EQ(list.GetLookupCount(), 2);
    EXPECT_STREQ(list.GetLookup(0)->GetName(), "a");
    EXPECT_STREQ(list.GetLookup(0)->GetValue(), "3");
    EXPECT_EQ(list.GetName("1"), nullptr);
    EXPECT_EQ(list.GetLookup(-1), nullptr);
    EXPECT_EQ(list.GetLookup(2), nullptr);
}

TEST(CLookupList, CopiesOwnTheirPairs)
{
    CLookupList list;
    list.AddLookup("a", "1");
    CLookupList copy(list);
    CLookupList assigned;
    assigned.AddLookup("z", "9");
    assigned = list;
    assigned = assigned;
    list.AddLookup("a", "changed");

    for (CLookupList* l : {&copy, &assigned}) {
        ASSERT_EQ(l->GetLookupCount(), 1);
        EXPECT_STREQ(l->GetValue("a"), "1");
    }
}

TEST(CTextPair, TextsAreCopiedAndNeverNull)
{
    char name[] = "name";
    CTextPair pair(name, nullptr);
    name[0] = 'X';
    EXPECT_STREQ(pair.GetName(), "name");
    EXPECT_STREQ(pair.GetValue(), "");

    CTextPair other(pair);
    pair.SetValue("v");
    EXPECT_STREQ(other.GetValue(), "");
    other = pair;
    other = other;
    EXPECT_STREQ(other.GetValue(), "v");
    pair.SetName(pair.GetName());  // replacing a text by itself keeps it
    EXPECT_STREQ(pair.GetName(), "name");
}
