#include "CIndexCache.h"
#include "TIndexedList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Items = std::vector<const int*>;

const void* ItemOf(const void* list, int index)
{
    const Items& items = *static_cast<const Items*>(list);
    return index >= 0 && index < int(items.size()) ? items[size_t(index)] : nullptr;
}

int TrueIndex(const Items& items, const int* item)
{
    auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : int(found - items.begin());
}

// A list edited by a pattern of inserts, removes and reorders, the cache told of the
// inserts and removes only, and every item looked up after each step.
struct Pattern {
    const char* name;
    int insertAt;   // -1 at random, -2 at the end
    int removeAt;   // -1 at random, -2 the last
    int reorderEvery;
};

void PrintTo(const Pattern& pattern, std::ostream* out) { *out << pattern.name; }

class IndexCacheEdits : public ::testing::TestWithParam<Pattern> {};

TEST_P(IndexCacheEdits, FindsEveryItemWhereTheListHasIt)
{
    const Pattern pattern = GetParam();
    std::mt19937 random(7);
    std::vector<std::unique_ptr<int>> pool;
    Items items;
    CIndexCache cache;
    std::vector<const int*> removed;
    auto pick = [&](int wanted, int count, int last) {
        if (wanted == -2) return last;
        if (wanted == -1) return int(random() % unsigned(count));
        return std::min(wanted, last);
    };
    for (int step = 0; step < 600; ++step) {
        const int count = int(items.size());
        if (count < 40 || random() % 3 != 0) {
            pool.push_back(std::make_unique<int>(step));
            const int at = pick(pattern.insertAt, count + 1, count);
            items.insert(items.begin() + at, pool.back().get());
            cache.Inserted(pool.back().get(), at, count);
        } else {
            const int at = pick(pattern.removeAt, count, count - 1);
            const int* item = items[size_t(at)];
            items.erase(items.begin() + at);
            cache.Removed(item, at, count);
            removed.push_back(item);
        }
        if (pattern.reorderEvery > 0 && step % pattern.reorderEvery == 0) std::shuffle(items.begin(), items.end(), random);
        for (const int* item : items)
            ASSERT_EQ(cache.Find(item, int(items.size()), &ItemOf, &items), TrueIndex(items, item))
                << pattern.name << " at step " << step;
        for (const int* item : removed) ASSERT_EQ(cache.Find(item, int(items.size()), &ItemOf, &items), -1);
    }
}

INSTANTIATE_TEST_SUITE_P(Patterns, IndexCacheEdits,
                         ::testing::Values(Pattern{"append, remove last", -2, -2, 0},
                                           Pattern{"insert in front, remove in front", 0, 0, 0},
                                           Pattern{"insert in the middle, remove anywhere", 20, -1, 0},
                                           Pattern{"anywhere", -1, -1, 0},
                                           Pattern{"anywhere, sorted behind its back", -1, -1, 25}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(IndexCache, AnItemNeverToldIsNotFoundUntilTheListIsReadAgain)
{
    int a = 0, b = 1;
    Items items{&a, &b};
    CIndexCache cache;
    cache.Inserted(&a, 0, 0);
    EXPECT_EQ(cache.Find(&b, 2, &ItemOf, &items), -1);
    EXPECT_EQ(cache.Find(nullptr, 2, &ItemOf, &items), -1);
    // A stale index makes the cache read the list, and then it knows all of it.
    std::swap(items[0], items[1]);
    EXPECT_EQ(cache.Find(&a, 2, &ItemOf, &items), 1);
    EXPECT_EQ(cache.Find(&b, 2, &ItemOf, &items), 0);
    cache.Clear();
    EXPECT_EQ(cache.Find(&a, 2, &ItemOf, &items), -1);
}

TEST(IndexCache, AnItemThatLeftBehindItsBackIsForgottenWhenTheListIsReadAgain)
{
    int a = 0, b = 1, c = 2;
    Items items{&a, &b, &c};
    CIndexCache cache;
    for (int i = 0; i < 3; ++i) cache.Inserted(items[size_t(i)], i, i);
    items.erase(items.begin() + 1);
    EXPECT_EQ(cache.Find(&c, 2, &ItemOf, &items), 1);
    EXPECT_EQ(cache.Find(&b, 2, &ItemOf, &items), -1);
    EXPECT_EQ(cache.Find(&a, 2, &ItemOf, &items), 0);
}

TEST(IndexedList, KeepsOrderAndIndexesThroughInsertsAndRemoves)
{
    TIndexedList<int> list;
    std::vector<int*> made;
    for (int i = 0; i < 5; ++i) made.push_back(new int(i));
    list.Add(made[0]);
    list.Add(made[1]);
    list.Add(made[2], 0);
    list.Add(made[3], 1);
    list.Add(made[4], 99);
    // 2 3 0 1 4
    const std::vector<int> order{2, 3, 0, 1, 4};
    ASSERT_EQ(list.GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(*list.GetAt(i), order[size_t(i)]);
        EXPECT_EQ(list.GetIndex(list.GetAt(i)), i);
    }
    list.Remove(made[3]);
    delete made[3];
    EXPECT_EQ(list.GetIndex(made[0]), 1);
    EXPECT_EQ(list.GetIndex(made[4]), 3);
    EXPECT_EQ(list.GetAt(4), nullptr);
    int stranger = 9;
    list.Remove(&stranger);
    EXPECT_EQ(list.GetCount(), 4) << "a pointer not listed removes nothing";
}

} // namespace
