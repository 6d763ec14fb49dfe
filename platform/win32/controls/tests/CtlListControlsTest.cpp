#include "CtlTestHost.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlListBox.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

LPARAM Text(const char* s)
{
    return reinterpret_cast<LPARAM>(s);
}

std::string LbText(CtlModel& model, UINT message, int index)
{
    char buffer[64] = {};
    model.Send(message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

class ComboTest : public ::testing::TestWithParam<DWORD> {
protected:
    void SetUp() override { combo.Attach(&host, nullptr, 20001); }
    CtlTestHost host;
    CtlComboBox combo{GetParam() | CBS_SORT};
};

TEST_P(ComboTest, SortedItemsKeepTheirDataAndSearchIgnoresCase)
{
    EXPECT_EQ(combo.Send(CB_ADDSTRING, 0, Text("Mike")), 0);
    EXPECT_EQ(combo.Send(CB_ADDSTRING, 0, Text("anna")), 0);
    combo.Send(CB_SETITEMDATA, 0, 7);
    EXPECT_EQ(combo.Send(CB_ADDSTRING, 0, Text("Zoe")), 2);
    EXPECT_EQ(combo.Send(CB_ADDSTRING, 0, Text("Bob")), 1);
    EXPECT_EQ(LbText(combo, CB_GETLBTEXT, 0), "anna");
    EXPECT_EQ(combo.Send(CB_GETITEMDATA, 0), 7);
    EXPECT_EQ(combo.Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text("MIKE")), 2);
    EXPECT_EQ(combo.Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text("Mik")), CB_ERR);
    EXPECT_EQ(combo.Send(CB_FINDSTRING, static_cast<WPARAM>(-1), Text("mi")), 2);
    EXPECT_EQ(combo.Send(CB_GETLBTEXTLEN, 9), CB_ERR);
}

TEST_P(ComboTest, OnlyAUsersChoiceIsAnnounced)
{
    for (const char* name : {"alpha", "beta", "gamma"}) combo.Send(CB_ADDSTRING, 0, Text(name));
    combo.Send(CB_SETCURSEL, 1);
    EXPECT_EQ(combo.Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), Text("GAM")), 2);
    EXPECT_TRUE(host.notices.empty());
    combo.UserPick(0);
    EXPECT_EQ(combo.Send(CB_GETCURSEL), 0);
    EXPECT_EQ(combo.EditText(), "alpha");
    if ((GetParam() & CBS_TYPEMASK) == CBS_SIMPLE)
        EXPECT_EQ(host.Codes(), (std::vector<int>{CBN_SELCHANGE, CBN_SELENDOK}));
    else
        EXPECT_EQ(host.Codes(), (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
    host.notices.clear();
    combo.Send(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(combo.CurSel(), 1);
    EXPECT_EQ(host.Codes(), (std::vector<int>{CBN_SELCHANGE}));
}

TEST_P(ComboTest, DeletingTheSelectedItemLeavesNoSelection)
{
    combo.Send(CB_ADDSTRING, 0, Text("a"));
    combo.Send(CB_ADDSTRING, 0, Text("b"));
    combo.Send(CB_SETCURSEL, 1);
    EXPECT_EQ(combo.Send(CB_DELETESTRING, 0), 1);
    EXPECT_EQ(combo.Send(CB_GETCURSEL), 0);
    combo.Send(CB_DELETESTRING, 0);
    EXPECT_EQ(combo.Send(CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(combo.Send(WM_GETTEXTLENGTH), 0);
}

TEST_P(ComboTest, AnyKindShowsTheTextItIsGiven)
{
    combo.Send(CB_ADDSTRING, 0, Text("14"));
    combo.Send(CB_SETCURSEL, static_cast<WPARAM>(-1));
    combo.Send(WM_SETTEXT, 0, Text("15"));
    char buffer[8];
    combo.Send(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    EXPECT_STREQ(buffer, "15");
    EXPECT_EQ(combo.Send(CB_GETCURSEL), CB_ERR);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ComboTest, ::testing::Values(CBS_SIMPLE, CBS_DROPDOWN, CBS_DROPDOWNLIST));

TEST(CtlComboBox, OnlyComboBoxesWithAnEditHaveAnEditSelection)
{
    CtlComboBox list(CBS_DROPDOWNLIST);
    EXPECT_EQ(list.Send(CB_GETEDITSEL), CB_ERR);
    EXPECT_EQ(list.Send(CB_SETEDITSEL, 0, MAKELPARAM(0, -1)), CB_ERR);
    CtlComboBox drop(CBS_DROPDOWN);
    drop.Send(WM_SETTEXT, 0, Text("hello"));
    drop.Send(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    DWORD s = 9, e = 9;
    drop.Send(CB_GETEDITSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    EXPECT_EQ(s, 0u);
    EXPECT_EQ(e, 5u);
}

TEST(CtlComboBox, TypingEditsTheTextAndFocusLossIsAnnounced)
{
    CtlTestHost host;
    CtlComboBox combo(CBS_DROPDOWN);
    combo.Attach(&host, nullptr, 5);
    combo.Send(CB_ADDSTRING, 0, Text("abc"));
    for (char c : std::string("ABC")) combo.Send(WM_CHAR, static_cast<WPARAM>(c));
    EXPECT_EQ(combo.EditText(), "ABC");
    EXPECT_EQ(combo.CurSel(), 0); // the text names an item
    EXPECT_EQ(host.Count(CBN_EDITCHANGE), 3);
    combo.Send(WM_KILLFOCUS);
    EXPECT_EQ(host.Count(CBN_KILLFOCUS), 1);

    CtlComboBox list(CBS_DROPDOWNLIST);
    list.Attach(&host, nullptr, 6);
    for (const char* s : {"apple", "banana", "blueberry"}) list.Send(CB_ADDSTRING, 0, Text(s));
    list.Send(WM_CHAR, 'b');
    list.Send(WM_CHAR, 'b');
    EXPECT_EQ(list.CurSel(), 2); // a letter moves to the next item starting with it
}

TEST(CtlComboBox, OwnerDrawnItemsWithoutStringsAreOrderedAndFreedByTheParent)
{
    CtlTestHost host;
    CtlComboBox combo(CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_SORT);
    combo.Attach(&host, nullptr, 10067);
    std::vector<DWORD_PTR> deleted;
    host.answer = [&](UINT message, WPARAM, LPARAM lParam) -> LRESULT {
        if (message == WM_COMPAREITEM) {
            auto* c = reinterpret_cast<COMPAREITEMSTRUCT*>(lParam);
            EXPECT_EQ(c->itemID1, static_cast<UINT>(-1));
            return std::strcmp(reinterpret_cast<const char*>(c->itemData1), reinterpret_cast<const char*>(c->itemData2));
        }
        if (message == WM_DELETEITEM) deleted.push_back(reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->itemData);
        return 0;
    };
    static const char* names[] = {"Times", "Arial", "Courier"};
    for (const char* n : names) combo.Send(CB_ADDSTRING, 0, Text(n));
    EXPECT_EQ(combo.Send(CB_GETITEMDATA, 0), Text("Arial"));
    EXPECT_EQ(combo.Send(CB_GETITEMDATA, 2), Text("Times"));
    EXPECT_EQ(combo.Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text(names[2])), 1);
    std::vector<UINT> drawn;
    auto previous = host.answer;
    host.answer = [&](UINT message, WPARAM w, LPARAM lParam) -> LRESULT {
        if (message == WM_DRAWITEM) drawn.push_back(reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->itemState);
        return previous(message, w, lParam);
    };
    combo.Paint(nullptr);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_TRUE(drawn[0] & ODS_COMBOBOXEDIT);
    combo.UserDropDown();
    drawn.clear();
    combo.Paint(nullptr);
    EXPECT_EQ(drawn.size(), 4u); // the edit part and the three items
    combo.Send(CB_RESETCONTENT);
    EXPECT_EQ(deleted.size(), 3u);
}

TEST(CtlListBox, SelectionNoticesNeedAUserAndTheNotifyStyle)
{
    for (DWORD style : {DWORD{0}, DWORD{LBS_NOTIFY}}) {
        CtlTestHost host;
        CtlListBox list(style);
        list.Attach(&host, nullptr, 10038);
        for (const char* s : {"one", "two", "three"}) list.Send(LB_ADDSTRING, 0, Text(s));
        list.Send(LB_SETCURSEL, 1);
        EXPECT_EQ(host.Count(LBN_SELCHANGE), 0);
        list.Send(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 2 * 16 + 3));
        EXPECT_EQ(list.Send(LB_GETCURSEL), 2);
        list.Send(WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 3));
        int expected = style ? 1 : 0;
        EXPECT_EQ(host.Count(LBN_SELCHANGE), expected);
        EXPECT_EQ(host.Count(LBN_DBLCLK), expected);
        EXPECT_EQ(LbText(list, LB_GETTEXT, 2), "three");
    }
}

TEST(CtlListBox, MultipleSelection)
{
    CtlListBox list(LBS_MULTIPLESEL | LBS_NOTIFY);
    for (const char* s : {"a", "b", "c", "d"}) list.Send(LB_ADDSTRING, 0, Text(s));
    EXPECT_EQ(list.Send(LB_SETCURSEL, 1), LB_ERR);
    list.UserClick(1);
    list.UserClick(3);
    list.UserClick(1);
    list.Send(LB_SETSEL, TRUE, 0);
    EXPECT_EQ(list.Send(LB_GETSELCOUNT), 2);
    int items[4] = {};
    EXPECT_EQ(list.Send(LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(items)), 2);
    EXPECT_EQ(items[0], 0);
    EXPECT_EQ(items[1], 3);
    list.Send(LB_DELETESTRING, 0);
    EXPECT_EQ(list.Send(LB_GETSELCOUNT), 1);

    CtlListBox names(LBS_NOTIFY | LBS_SORT);
    for (const char* s : {"Bob", "anna", "Beth"}) names.Send(LB_ADDSTRING, 0, Text(s));
    names.Send(WM_CHAR, 'b');
    names.Send(WM_CHAR, 'b');
    EXPECT_EQ(LbText(names, LB_GETTEXT, static_cast<int>(names.Send(LB_GETCURSEL))), "Bob");
    EXPECT_EQ(list.Send(LB_GETSEL, 2), 1);
}

} // namespace
