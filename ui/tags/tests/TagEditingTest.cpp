#include "CMediaTags.h"
#include "CNamedValue.h"
#include "CTagController.h"
#include "CTagEditDialog.h"
#include "CTagEditorDialog.h"
#include "CTagListControl.h"
#include "CTagPanel.h"
#include "ListsTestSupport.h"
#include "OutputPageSupport.h"
#include "TagTestSupport.h"
#include "win32/dialogs/Dialog.h"

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
using P = CTagPanel;

std::string LongText(HWND window)
{
    const int length = ::GetWindowTextLengthA(window);
    std::vector<char> text(size_t(length) + 1, '\0');
    ::GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

CNamedValue MakeTag(const char* name, const char* value)
{
    CNamedValue tag;
    tag.SetName(name);
    tag.SetValue(value);
    return tag;
}

class TagPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    ScopedTagMaps maps;
    PageHost host;
    PageView view;
    P page{1, nullptr};
};

TEST_F(TagPageTest, ATextTagShowsItsFriendlyNameAndItsTextInTheField)
{
    CNamedValue tag = MakeTag("TT2", "Evening Song");
    OpenPage(page, host, &tag, view);
    const Texts names = view.Items(P::kName);
    ASSERT_EQ(28u, names.size()) << "every friendly name once, none empty";
    EXPECT_EQ("Artist", names.front());
    EXPECT_EQ("Year", names.back());
    EXPECT_EQ("Title", view.Selected(P::kName));
    EXPECT_TRUE(view.Shown(P::kValue));
    EXPECT_FALSE(view.Shown(P::kValueList));
    EXPECT_EQ("Evening Song", view.WindowText(P::kValue));
    EXPECT_STREQ("Title: Evening Song", page.GetController()->GetText());
    view.TypeAndCommit(P::kValue, "Morning Song");
    EXPECT_STREQ("Morning Song", tag.GetValue());
    tag.SetValue("Noon Song");
    EXPECT_EQ("Noon Song", view.WindowText(P::kValue));
}

TEST_F(TagPageTest, ChoosingTheGenreSwapsTheFieldForTheGenreList)
{
    CNamedValue tag = MakeTag("TP1", "Reader");
    OpenPage(page, host, &tag, view);
    EXPECT_TRUE(view.Items(P::kValueList).empty()) << "genres are listed for the genre only";
    view.Pick(P::kName, "Genre");
    EXPECT_STREQ("TCO", tag.GetName());
    EXPECT_TRUE(view.Shown(P::kValueList));
    EXPECT_FALSE(view.Shown(P::kValue));
    const Texts genres = view.Items(P::kValueList);
    ASSERT_EQ(128u, genres.size());
    EXPECT_EQ("Blues", genres.front());
    EXPECT_EQ("Cover", genres.back());
    EXPECT_EQ("<none>", view.Selected(P::kValueList)) << "\"Reader\" is no genre";
    view.Pick(P::kValueList, "Jazz");
    EXPECT_STREQ("Jazz", tag.GetValue());
    view.Pick(P::kName, "Comments");
    EXPECT_TRUE(view.Shown(P::kValue));
    EXPECT_FALSE(view.Shown(P::kValueList));
    EXPECT_TRUE(view.Items(P::kValueList).empty());
    EXPECT_EQ("Jazz", view.WindowText(P::kValue));
}

TEST_F(TagPageTest, ATagWithoutAFriendlyNameSelectsNothingAndKeepsItsName)
{
    CNamedValue tag = MakeTag("XYZ", "odd");
    OpenPage(page, host, &tag, view);
    EXPECT_EQ("<none>", view.Selected(P::kName));
    EXPECT_EQ("odd", view.WindowText(P::kValue));
    // Nothing chosen names no tag: the name stays as it was.
    page.GetController()->Refresh();
    static_cast<CTagController*>(page.GetController())->EnterName();
    EXPECT_STREQ("XYZ", tag.GetName());
}

TEST_F(TagPageTest, AMegabyteValueIsShownAndKeptWhole)
{
    const std::string big(1 << 20, 'v');
    CNamedValue tag = MakeTag("COM", big.c_str());
    OpenPage(page, host, &tag, view);
    EXPECT_EQ(big.size(), LongText(view.Item(P::kValue)).size());
    // Committing the field, and typing at its end past what a field takes, leave the value whole.
    CtlUserKey(view.Item(P::kValue), VK_RETURN);
    MvPumpUntilIdle();
    CtlEdit* field = CtlModelAs<CtlEdit>(view.Item(P::kValue));
    field->UserSelect(int(big.size()), int(big.size()));
    field->UserType(std::string_view("w"));
    CtlUserKey(view.Item(P::kValue), VK_RETURN);
    MvPumpUntilIdle();
    const std::string kept(tag.GetValue());
    EXPECT_EQ(big.size(), kept.size());
    EXPECT_TRUE(kept == big) << "the value was changed";
    const std::string summary = page.GetController()->GetText();
    EXPECT_EQ(0u, summary.rfind("Comments: vvvv", 0)) << summary.substr(0, 40);
}

TEST(TagControllerTest, WithoutTagMapsEveryLookUpIsEmpty)
{
    ScopedTagMaps none(false);
    EXPECT_STREQ("", CTagController::GetTag("Title"));
    EXPECT_STREQ("", CTagController::GetName("TT2"));
    EXPECT_STREQ("", CTagController::GetGenreId("Rock"));
    EXPECT_STREQ("", CTagController::GetGenre("17"));
    CTagController controller;
    EXPECT_STREQ("", controller.GetText());
}

TEST(TagControllerTest, LookUpsGoThroughTheTagMaps)
{
    ScopedTagMaps maps;
    EXPECT_STREQ("TT2", CTagController::GetTag("Title"));
    EXPECT_STREQ("Genre", CTagController::GetName("TCO"));
    EXPECT_STREQ("17", CTagController::GetGenreId("Rock"));
    EXPECT_STREQ("Rock", CTagController::GetGenre("17"));
    EXPECT_STREQ("", CTagController::GetTag("Nonsense"));
}

// The tag list in a window, bound to tags, as the tag editor shows it.
class TagListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tags.AddValue("TT2", "Evening Song");
        tags.AddValue("TP1", "Reader");
        list.control.SetObject(&tags);
    }
    // Runs the tag dialog that the next action opens with the user's choices.
    void AnswerTagDialog(const char* name, const char* value, int button = IDOK)
    {
        MvScriptModal([=, this](HWND dialog) {
            ++dialogs;
            PageView page(PageHolding(dialog, P::kName));
            if (name) page.Pick(P::kName, name);
            if (value) page.TypeAndCommit(P::kValue, value);
            ::SendMessageA(dialog, WM_COMMAND, button, 0);
        });
    }

    ScopedTagMaps maps;
    CMediaTags tags;
    ListHost<CTagListControl> list;
    int dialogs = 0;
};

TEST_F(TagListTest, RowsShowFriendlyNamesAndValues)
{
    ReportView view = list.View();
    EXPECT_EQ((std::vector<ListColumn>{{"Tag", 160, false}, {"Value", 300, false}}), view.Columns());
    EXPECT_EQ((Texts{"Artist", "Reader"}), view.Row(0));
    EXPECT_EQ((Texts{"Title", "Evening Song"}), view.Row(1));
    tags.GetValue(1)->SetValue("Night Song");
    EXPECT_EQ("Night Song", view.Text(1, 1));
    tags.AddValue("XYZ", "odd");
    ASSERT_EQ(3, view.Rows());
    EXPECT_EQ((Texts{"", "odd"}), view.Row(0)) << "a tag without a friendly name sorts first, unnamed";
}

TEST_F(TagListTest, TextsOfMissingItemsAndColumns)
{
    EXPECT_STREQ("-", list.control.GetObjectText(nullptr, 0, false));
    EXPECT_STREQ("-", list.control.GetObjectText(nullptr, 1, false));
    EXPECT_STREQ("Error", list.control.GetObjectText(tags.GetValue(0), 2, false));
    ScopedTagMaps none(false);
    EXPECT_STREQ("TP1", list.control.GetObjectText(tags.GetValue(0), 0, false)) << "the raw name without maps";
}

TEST_F(TagListTest, AddingANewTagAddsARowAndAnExistingNameGetsTheNewValue)
{
    AnswerTagDialog("Year", "2024");
    list.control.Add();
    ASSERT_EQ(3, tags.GetValueCount());
    ASSERT_NE(nullptr, tags.FindValue("TYE"));
    EXPECT_STREQ("2024", tags.FindValue("TYE")->GetValue());
    EXPECT_EQ(3, list.View().Rows());

    AnswerTagDialog("Title", "Another Song");
    list.control.Add();
    EXPECT_EQ(3, tags.GetValueCount()) << "no second title";
    EXPECT_STREQ("Another Song", tags.FindValue("TT2")->GetValue());
    EXPECT_EQ(3, list.View().Rows());

    // Cancelled, or with no tag chosen, nothing is added.
    AnswerTagDialog("Composer", "Someone", IDCANCEL);
    list.control.Add();
    AnswerTagDialog(nullptr, "nameless");
    list.control.Add();
    EXPECT_EQ(2 + 2, dialogs);
    EXPECT_EQ(3, tags.GetValueCount());
}

TEST_F(TagListTest, EditingKeepsTheNameAndTakesTheValue)
{
    ReportView view = list.View();
    view.Click(1);
    AnswerTagDialog("Artist", "Renamed Song");
    list.control.Edit();
    EXPECT_EQ(1, dialogs);
    EXPECT_STREQ("TT2", tags.GetValue(1)->GetName());
    EXPECT_STREQ("Renamed Song", tags.GetValue(1)->GetValue());
    EXPECT_STREQ("Reader", tags.FindValue("TP1")->GetValue()) << "the other tag is untouched";
    EXPECT_EQ("Renamed Song", view.Text(1, 1));
    // The dialog showed a copy: cancelling leaves the tag as it was.
    AnswerTagDialog(nullptr, "Thrown Away", IDCANCEL);
    list.control.Edit();
    EXPECT_STREQ("Renamed Song", tags.GetValue(1)->GetValue());
}

TEST_F(TagListTest, RemovingTakesOnlyTheSelectedTags)
{
    ReportView view = list.View();
    EXPECT_FALSE(list.control.CanDelete());
    list.control.Delete();
    EXPECT_EQ(2, tags.GetValueCount()) << "nothing selected, nothing removed";
    // Nothing selected, nothing to edit either.
    list.control.Edit();
    EXPECT_EQ(0, dialogs);
    view.Click(0);
    EXPECT_TRUE(list.control.CanDelete());
    list.control.Delete();
    ASSERT_EQ(1, tags.GetValueCount());
    EXPECT_STREQ("TT2", tags.GetValue(0)->GetName());
    EXPECT_EQ(1, view.Rows());
}

TEST_F(TagListTest, AMegabyteValueGoesThroughTheDialogWhole)
{
    const std::string big(1 << 20, 'w');
    tags.AddValue("COM", big.c_str());
    ReportView view = list.View();
    ASSERT_EQ(3, view.Rows());
    EXPECT_EQ(0u, view.Text(1, 1).rfind("wwww", 0)) << "the row shows the value's start";
    view.Click(1);
    size_t shown = 0;
    MvScriptModal([&](HWND dialog) {
        shown = LongText(FindDescendant(dialog, P::kValue)).size();
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    list.control.Edit();
    EXPECT_EQ(big.size(), shown);
    EXPECT_TRUE(big == std::string(tags.FindValue("COM")->GetValue())) << "the value was changed";
}

class TagEditorDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tags.AddValue("TT2", "Evening Song");
        tags.AddValue("TCO", "Blues");
    }
    ScopedTagMaps maps;
    CMediaTags tags;
};

TEST_F(TagEditorDialogTest, NewEditAndRemoveWorkOnACopy)
{
    CTagEditorDialog editor(nullptr);
    editor.SetTags(tags);
    std::string caption;
    MvScriptModal([&](HWND dialog) {
        char text[64] = {};
        ::GetWindowTextA(dialog, text, sizeof text);
        caption = text;
        ReportView rows(::GetDlgItem(dialog, CTagEditorDialog::kList));
        EXPECT_EQ(2, rows.Rows());
        PageView buttons(dialog);
        // "New..." opens the tag dialog, whose answers come next.
        MvScriptModal([](HWND tagDialog) {
            PageView page(PageHolding(tagDialog, P::kName));
            page.Pick(P::kName, "Artist");
            page.TypeAndCommit(P::kValue, "Reader");
            ::SendMessageA(tagDialog, WM_COMMAND, IDOK, 0);
        });
        buttons.Click(CTagEditorDialog::kNew);
        EXPECT_EQ(3, rows.Rows());
        rows.Click(1); // the genre
        MvScriptModal([](HWND tagDialog) {
            PageView page(PageHolding(tagDialog, P::kName));
            EXPECT_TRUE(page.Shown(P::kValueList));
            EXPECT_EQ("Blues", page.Selected(P::kValueList));
            page.Pick(P::kValueList, "Opera");
            ::SendMessageA(tagDialog, WM_COMMAND, IDOK, 0);
        });
        buttons.Click(CTagEditorDialog::kEdit);
        rows.Click(2); // the title
        buttons.Click(CTagEditorDialog::kRemove);
        EXPECT_EQ(2, rows.Rows());
        ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ASSERT_EQ(IDOK, editor.DoModal());
    EXPECT_EQ("Tag Editor", caption);
    CMediaTags& edited = editor.GetTags();
    ASSERT_EQ(2, edited.GetValueCount());
    EXPECT_STREQ("Reader", edited.FindValue("TP1")->GetValue());
    EXPECT_STREQ("Opera", edited.FindValue("TCO")->GetValue());
    EXPECT_EQ(nullptr, edited.FindValue("TT2"));
    // The caller's tags are untouched until it copies the result back.
    EXPECT_EQ(2, tags.GetValueCount());
    EXPECT_STREQ("Blues", tags.FindValue("TCO")->GetValue());
}

TEST_F(TagEditorDialogTest, TheTagDialogEditsACopyOfItsTag)
{
    CNamedValue tag = MakeTag("TT2", "Original");
    CTagEditDialog dialog(nullptr);
    dialog.SetData(tag);
    MvScriptModal([](HWND shown) {
        PageView page(PageHolding(shown, P::kName));
        EXPECT_EQ("Title", page.Selected(P::kName));
        page.TypeAndCommit(P::kValue, "Changed");
        ::SendMessageA(shown, WM_COMMAND, IDOK, 0);
    });
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("Changed", dialog.GetData().GetValue());
    EXPECT_STREQ("Original", tag.GetValue());
}

} // namespace
