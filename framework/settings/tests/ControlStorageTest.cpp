#include "CHandle.h"
#include "CListControlPersistStorage.h"
#include "CPersistObject.h"
#include "CTreeControlPersistStorage.h"
#include "afx/controls/CListCtrl.h"
#include "afx/controls/CTreeCtrl.h"
#include "afx/CRect.h"
#include "afx/windows/CWnd.h"
#include "win32/controls/CommCtrl.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class Inner : public CPersistObject {
public:
    double ratio = 0.5;
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Ratio", ratio);
    }
};

class Outer : public CPersistObject {
public:
    bool flag = false;
    char small = -3;
    ULONG count = 12;
    CString name = "Voice <1>";
    CHandle bytes;
    Inner inner;
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Flag", flag);
        s.Save("Small", small);
        s.Save("Count", count);
        s.Save("Name", name.GetString());
        s.Save("Bytes", bytes);
        inner.Save("Inner", s);
        s.Save("Empty", "");
    }
};

class ControlStorageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "inspector", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0));
        const unsigned char raw[] = {0x01, 0xAB, 0xFF};
        outer.bytes.Append(raw, sizeof raw);
    }
    void TearDown() override
    {
        if (m_parent.m_hWnd) m_parent.DestroyWindow();
    }

    CWnd m_parent;
    Outer outer;
};

TEST_F(ControlStorageTest, ListShowsEveryValueAtOneLevel)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, 100));
    {
        CListControlPersistStorage storage("unused", &list);
        outer.Save("Outer", storage);
        EXPECT_EQ(storage.GetDepth(), 0);
    }
    LVCOLUMN column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    char heading[32] = {};
    column.pszText = heading;
    column.cchTextMax = sizeof heading;
    ASSERT_TRUE(list.GetColumn(0, &column));
    EXPECT_STREQ(heading, "Property");
    EXPECT_EQ(column.cx, 80);
    EXPECT_EQ(column.fmt, LVCFMT_LEFT);
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_STREQ(heading, "Value");
    EXPECT_EQ(column.cx, 160);

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Outer", ""},     {"Flag", "0"},        {"Small", "-3"},    {"Count", "12"},       {"Name", "Voice <1>"},
        {"Bytes", "01ABFF"}, {"Inner", ""},      {"Ratio", "0.500000"}, {"Empty", ""}};
    ASSERT_EQ(list.GetItemCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < list.GetItemCount(); i++) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::string(list.GetItemText(i, 0)), expected[i].first);
        EXPECT_EQ(std::string(list.GetItemText(i, 1)), expected[i].second);
    }
}

TEST_F(ControlStorageTest, ListColumnsAreInsertedOnce)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(LVS_REPORT, CRect(0, 0, 300, 200), &m_parent, 100));
    CListControlPersistStorage storage("unused", &list);
    outer.Save("First", storage);
    outer.Save("Second", storage);
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
    EXPECT_EQ(list.GetItemCount(), 18);
    EXPECT_EQ(std::string(list.GetItemText(9, 0)), "Second");
}

// The items under one parent, as "text" lines, children indented.
void Dump(CTreeCtrl& tree, HTREEITEM parent, int level, std::vector<std::string>& out)
{
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        out.push_back(std::string(static_cast<size_t>(level) * 2, ' ') + tree.GetItemText(item).GetString());
        Dump(tree, item, level + 1, out);
    }
}

TEST_F(ControlStorageTest, TreeShowsObjectsAsItemsWithTheirValues)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(TVS_HASLINES, CRect(0, 0, 300, 200), &m_parent, 101));
    CTreeControlPersistStorage storage("unused", &tree);
    outer.Save("Outer", storage);
    EXPECT_EQ(storage.GetCurrentItem(), nullptr);
    std::vector<std::string> items;
    Dump(tree, TVI_ROOT, 0, items);
    const std::vector<std::string> expected = {
        "Outer",
        "  obj id: " + std::to_string(static_cast<LONG>(outer.GetObjectId())),
        "  obj ver: 2500",
        "  Flag: 0",
        "  Small: -3",
        "  Count: 12",
        "  Name: Voice <1>",
        "  Bytes: 01ABFF",
        "  Inner",
        "    obj id: " + std::to_string(static_cast<LONG>(outer.inner.GetObjectId())),
        "    obj ver: 2500",
        "    Ratio: 0.500000",
        "  Empty: ",
    };
    EXPECT_EQ(items, expected);

    // A second object goes beside the first at the root.
    outer.inner.Save("Again", storage);
    items.clear();
    Dump(tree, TVI_ROOT, 0, items);
    EXPECT_EQ(items[expected.size()], "Again");
}

} // namespace
