#include "CObjectEditDialog.h"
#include "CPanel.h"
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"
#include "PanelTestSupport.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlComboBox.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr UINT kPage = 29004;

class Page : public CPanel {
public:
    Page() : CPanel(kPage, nullptr) { RegisterChildTemplate(kPage, 100, 40); }
};

class ExportDialog : public CStackExportDialog {
public:
    explicit ExportDialog(int count = 3) : CStackExportDialog(nullptr), count(count) {}
    void SetupPanels() override
    {
        const char* names[] = {"Audio", "Video", "Tags"};
        for (int i = 0; i < count; ++i) m_stack.AddPanel(&infos[i], &panels[i], names[i]);
    }
    bool MayPrevious() override { return mayPrevious; }
    bool OnFinish() override
    {
        ++finishes;
        return finish;
    }
    int count;
    bool mayPrevious = true;
    bool finish = true;
    int finishes = 0;
    CStackPanelInfo infos[3];
    Page panels[3];
};

std::vector<std::string> Items(HWND dialog)
{
    std::vector<std::string> items;
    HWND combo = ::GetDlgItem(dialog, 11103);
    int n = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        char text[64] = {};
        ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

int Selection(HWND dialog)
{
    return static_cast<int>(::SendMessageA(::GetDlgItem(dialog, 11103), CB_GETCURSEL, 0, 0));
}

bool Enabled(HWND dialog, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dialog, id));
}

bool Shown(HWND dialog, int id)
{
    return ::GetWindowLongA(::GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE;
}

void Click(HWND dialog, int id)
{
    CtlModelAs<CtlButton>(::GetDlgItem(dialog, id))->UserClick();
}

TEST(CStackExportDialog, StepsThroughThePagesWithPreviousAndNext)
{
    ExportDialog dialog;
    MvScriptModal([&](HWND h) {
        EXPECT_EQ(Items(h), (std::vector<std::string>{"Audio", "Video", "Tags"}));
        EXPECT_EQ(Selection(h), 0);
        EXPECT_TRUE(dialog.panels[0].IsWindowVisible());
        EXPECT_FALSE(dialog.panels[1].IsWindowVisible());
        EXPECT_FALSE(Enabled(h, 11104));
        EXPECT_TRUE(Enabled(h, 11105));
        EXPECT_TRUE(Enabled(h, 11103));
        EXPECT_FALSE(Shown(h, 11106)) << "the placeholder gives way to the pages";

        Click(h, 11105);
        Click(h, 11105);
        EXPECT_EQ(Selection(h), 2);
        EXPECT_TRUE(dialog.panels[2].IsWindowVisible());
        EXPECT_FALSE(dialog.panels[0].IsWindowVisible());
        EXPECT_FALSE(Enabled(h, 11105));
        EXPECT_TRUE(Enabled(h, 11104));

        CtlModelAs<CtlComboBox>(::GetDlgItem(h, 11103))->UserPick(1);
        EXPECT_TRUE(dialog.panels[1].IsWindowVisible());
        EXPECT_FALSE(dialog.panels[2].IsWindowVisible());
        Click(h, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(CStackExportDialog, DisabledPagesLeaveTheComboAndComeBackInTheirPlace)
{
    ExportDialog dialog;
    MvScriptModal([&](HWND h) {
        dialog.panels[1].SetEnable(false);
        EXPECT_EQ(Items(h), (std::vector<std::string>{"Audio", "Tags"}));
        dialog.panels[0].SetEnable(false);
        EXPECT_EQ(Items(h), (std::vector<std::string>{"Tags"}));
        dialog.panels[1].SetEnable(true);
        EXPECT_EQ(Items(h), (std::vector<std::string>{"Video", "Tags"}));
        dialog.panels[0].SetEnable(true);
        EXPECT_EQ(Items(h), (std::vector<std::string>{"Audio", "Video", "Tags"}));
        Click(h, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(CStackExportDialog, DisablingTheSelectedPageRemovesItsCaption)
{
    ExportDialog dialog;
    MvScriptModal([&](HWND h) {
        Click(h, 11105);
        ASSERT_EQ(Selection(h), 1);
        dialog.panels[1].SetEnable(false);
        EXPECT_EQ(Items(h), (std::vector<std::string>{"Audio", "Tags"}));
        // The deleted item took the selection with it; the first page is chosen again.
        EXPECT_EQ(Selection(h), 0);
        EXPECT_TRUE(dialog.panels[0].IsWindowVisible());
        EXPECT_FALSE(dialog.panels[1].IsWindowVisible());
        Click(h, IDCANCEL);
    });
    dialog.DoModal();
}

TEST(CStackExportDialog, OnePageHidesNextAndPreviousFollowsMayPrevious)
{
    for (bool may : {false, true}) {
        ExportDialog dialog(1);
        dialog.mayPrevious = may;
        MvScriptModal([&](HWND h) {
            EXPECT_FALSE(Shown(h, 11105));
            EXPECT_EQ(Shown(h, 11104), may);
            Click(h, IDCANCEL);
        });
        dialog.DoModal();
    }
}

TEST(CStackExportDialog, WithoutFreeFlowTheComboIsDisabled)
{
    ExportDialog dialog;
    dialog.SetFreeFlow(false);
    MvScriptModal([&](HWND h) {
        EXPECT_FALSE(Enabled(h, 11103));
        Click(h, 11105);
        EXPECT_EQ(Selection(h), 1);
        Click(h, IDCANCEL);
    });
    dialog.DoModal();
}

TEST(CStackExportDialog, FinishRefusedKeepsTheDialogOpen)
{
    ExportDialog dialog;
    dialog.finish = false;
    MvScriptModal([&](HWND h) {
        Click(h, IDOK);
        EXPECT_TRUE(::IsWindow(h));
        EXPECT_EQ(dialog.finishes, 1);
        dialog.finish = true;
        Click(h, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.finishes, 2);
}

class EditDialog : public CObjectEditDialog {
public:
    EditDialog() : CObjectEditDialog(nullptr) {}
    void SetupPanels() override
    {
        m_stack.AddPanel(&infos[0], &panels[0], "General");
        m_stack.AddPanel(&infos[1], &panels[1], "More");
    }
    CStackPanelInfo infos[2];
    Page panels[2];
};

TEST(CObjectEditDialog, ShowsTheFirstPage)
{
    EditDialog dialog;
    MvScriptModal([&](HWND h) {
        char caption[32] = {};
        ::GetWindowTextA(h, caption, sizeof caption);
        EXPECT_STREQ(caption, "Edit");
        EXPECT_TRUE(dialog.panels[0].IsWindowVisible());
        EXPECT_FALSE(dialog.panels[1].IsWindowVisible());
        Click(h, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(CPanelStack, FindsPagesByCaption)
{
    CPanelStack stack;
    CStackPanelInfo a, b;
    Page pa, pb;
    stack.AddPanel(&a, &pa, "Audio");
    stack.AddPanel(&b, &pb, "Video");
    EXPECT_EQ(stack.Find("Video"), &b);
    EXPECT_EQ(stack.Find("video"), nullptr);
    EXPECT_EQ(stack.Find(nullptr), nullptr);
    EXPECT_EQ(std::string(stack.GetSelectedText(0)), "");
    EXPECT_FALSE(stack.CanNext());
    EXPECT_FALSE(stack.CanPrevious());
}

} // namespace
