#include "CPointerList.h"
#include "CValueList.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Item {
    int key;
};

int CompareItems(const void* a, const void* b)
{
    return static_cast<const Item*>(a)->key - static_cast<const Item*>(b)->key;
}

int SearchItems(const void* item, const void* key, int)
{
    return static_cast<const Item*>(item)->key - *static_cast<const int*>(key);
}

std::vector<int> Keys(const CPointerList& list)
{
    std::vector<int> keys;
    for (int i = 0; i < list.GetItemCount(); ++i) keys.push_back(static_cast<Item*>(list.GetAt(i))->key);
    return keys;
}

std::vector<LONG> Values(const CValueList& list)
{
    std::vector<LONG> values;
    for (int i = 0; i < list.GetItemCount(); ++i) values.push_back(list.GetAt(i));
    return values;
}

}

TEST(CPointerList, UnsortedAddInsertRemove)
{
    Item a{1}, b{2}, c{3};
    CPointerList list;
    EXPECT_EQ(0, list.Add(&a));
    EXPECT_EQ(1, list.Add(&b));
    EXPECT_EQ(2, list.Add(&c, 5));   // beyond the end: appended
    EXPECT_EQ(0, list.Add(&c, 0));
    EXPECT_EQ((std::vector<int>{3, 1, 2, 3}), Keys(list));
    EXPECT_EQ(0, list.GetIndex(&c));

    EXPECT_EQ(nullptr, list.GetAt(-1));
    EXPECT_EQ(nullptr, list.GetAt(list.GetItemCount()));
    list.RemoveAt(-1);
    EXPECT_EQ(4, list.GetItemCount());

    list.Remove(&c);   // first occurrence only
    EXPECT_EQ((std::vector<int>{1, 2, 3}), Keys(list));
    EXPECT_EQ(&b, list.GetNext(&a));
    EXPECT_EQ(nullptr, list.GetNext(&c));
    EXPECT_EQ(nullptr, list.GetPrevious(&a));
    EXPECT_EQ(&a, list.GetPrevious(&b));
    Item absent{9};
    EXPECT_EQ(nullptr, list.GetNext(&absent));
    EXPECT_EQ(-1, list.GetIndex(&absent));
    list.Remove(&absent);
    EXPECT_EQ(3, list.GetItemCount());

    list.RemoveAll();
    EXPECT_EQ(0, list.GetItemCount());
}

TEST(CPointerList, SortedAddStaysSorted)
{
    std::vector<Item> items{{5}, {1}, {4}, {2}, {3}, {0}};
    CPointerList list;
    list.SetCompareFunction(CompareItems);
    for (auto& it : items) list.Add(&it);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5}), Keys(list));
    for (auto& it : items) EXPECT_EQ(it.key, list.GetIndex(&it));
    Item five{5};
    EXPECT_EQ(5, list.GetInsertIndex(&five));   // an equal key goes before its equal
}

TEST(CPointerList, EveryItemAmongEqualKeysIsFoundAndRemoved)
{
    // Equal keys are inserted before their equals, so items can lie left of where a
    // plain binary search looks; each must still be found and removable.
    std::vector<Item> items(9);
    for (int i = 0; i < 9; ++i) items[i].key = (i % 3 == 0) ? 1 : 2;
    CPointerList list;
    list.SetCompareFunction(CompareItems);
    for (auto& it : items) list.Add(&it);
    for (auto& it : items) {
        int index = list.GetIndex(&it);
        ASSERT_GE(index, 0);
        EXPECT_EQ(&it, list.GetAt(index));
    }
    for (auto& it : items) {
        int before = list.GetItemCount();
        list.Remove(&it);
        EXPECT_EQ(before - 1, list.GetItemCount());
        EXPECT_EQ(-1, list.GetIndex(&it));
    }
    Item other{2};
    list.Add(&items[1]);
    EXPECT_EQ(-1, list.GetIndex(&other));
}

TEST(CPointerList, FindLinearAndBinary)
{
    std::vector<Item> items{{10}, {20}, {30}, {40}};
    CPointerList list;
    list.SetSearchFunction(SearchItems);
    for (auto& it : items) list.Add(&it);
    int key = 30, missing = 25;
    EXPECT_EQ(&items[2], list.Find(&key, 0));
    EXPECT_EQ(nullptr, list.Find(&missing, 0));

    list.SetCompareFunction(CompareItems);
    for (auto& it : items) {
        EXPECT_EQ(&it, list.Find(&it.key, 0));
    }
    EXPECT_EQ(nullptr, list.Find(&missing, 0));

    CPointerList noSearch;
    noSearch.Add(&items[0]);
    EXPECT_EQ(nullptr, noSearch.Find(&key, 0));
}

TEST(CPointerList, CopyKeepsFunctionsAndPointers)
{
    Item a{2}, b{1};
    CPointerList list;
    list.SetCompareFunction(CompareItems);
    list.Add(&a);
    CPointerList copy(list);
    copy.Add(&b);
    EXPECT_EQ((std::vector<int>{1, 2}), Keys(copy));
    EXPECT_EQ(1, list.GetItemCount());
}

TEST(CValueList, SortedAddGoesAfterEquals)
{
    CValueList list;
    list.SetCompareFunction([](LONG a, LONG b) { return static_cast<int>(a - b); });
    list.Add(1);
    list.Add(3);
    EXPECT_EQ(1, list.Add(2));
    EXPECT_EQ(3, list.Add(3));
    EXPECT_EQ((std::vector<LONG>{1, 2, 3, 3}), Values(list));
    EXPECT_EQ(0, list.Add(-5));
}

TEST(CValueList, LookupsAndNeighbours)
{
    CValueList list;
    for (LONG v : {7, 8, 7, 9}) list.Add(v);
    EXPECT_EQ(0, list.GetIndex(7));
    EXPECT_EQ(-1, list.GetIndex(5));
    EXPECT_EQ(8, list.GetNext(7));
    EXPECT_EQ(0, list.GetNext(9));
    EXPECT_EQ(0, list.GetPrevious(7));
    EXPECT_EQ(7, list.GetPrevious(9));
    EXPECT_EQ(0, list.GetAt(4));
    EXPECT_EQ(0, list.GetAt(-1));
    EXPECT_EQ(4, list.Add(1, 99));
    list.Remove(7);
    EXPECT_EQ((std::vector<LONG>{8, 7, 9, 1}), Values(list));
    list.RemoveAt(-1);
    EXPECT_EQ(4, list.GetItemCount());
    CValueList copy;
    copy = list;
    list.RemoveAll();
    EXPECT_EQ(4, copy.GetItemCount());
}
