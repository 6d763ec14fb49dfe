#include "CContainerPanel.h"
#include "CDialogPanelManager.h"
#include "CExpandPanel.h"
#include "CObjectController2.h"
#include "CObjectPanel.h"
#include "ControlTestSupport.h"
#include "PanelTestSupport.h"
#include "UWindowsUtils.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT kPage = 29002;

// A page whose summary and validity the test sets.
class SummaryPage : public CPanel {
public:
    explicit SummaryPage(const char* text = "", bool valid = true) : CPanel(kPage, nullptr), text(text), valid(valid)
    {
        RegisterChildTemplate(kPage, 100, 40);
    }
    CString GetDetailedText(bool& ok) override
    {
        ok = valid;
        return CString(text.c_str());
    }
    std::string text;
    bool valid;
};

class ExpandPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Make(400, 600));
        ASSERT_TRUE(container.CreateInWindow(&host));
        container.ShowWindow(SW_SHOW);
        container.AddListener(&requests);
    }
    CExpandPanel* Add(const char* caption, std::vector<SummaryPage*> pages)
    {
        auto expand = std::make_unique<CExpandPanel>(nullptr);
        container.AddPanel(expand.get(), pages[0], caption);
        for (size_t i = 1; i < pages.size(); ++i) container.AttachChildPanel(expand.get(), pages[i]);
        expands.push_back(std::move(expand));
        container.Arrange();
        return expands.back().get();
    }
    SummaryPage* Page(const char* text = "", bool valid = true)
    {
        pages.push_back(std::make_unique<SummaryPage>(text, valid));
        return pages.back().get();
    }
    static std::string Caption(CExpandPanel* panel)
    {
        char text[256] = {};
        ::GetWindowTextA(::GetDlgItem(panel->m_hWnd, 10027), text, sizeof text);
        return text;
    }
    static CRect Placed(CWnd* w)
    {
        CRect r;
        UWindowsUtils::GetInParentRect(w, r);
        return r;
    }
    TestParent host;
    CContainerPanel container{nullptr};
    MessageLog requests;
    // Pages are declared after the panels so they go first, as owners destroy them.
    std::vector<std::unique_ptr<CExpandPanel>> expands;
    std::vector<std::unique_ptr<SummaryPage>> pages;
};

TEST_F(ExpandPanelTest, OpeningOnePanelClosesTheOthers)
{
    CExpandPanel* a = Add("Audio", {Page("44.1 kHz")});
    CExpandPanel* b = Add("Video", {Page("25 fps")});
    EXPECT_FALSE(a->IsExpanded());
    EXPECT_FALSE(b->IsExpanded());

    a->Expand();
    EXPECT_TRUE(a->IsExpanded());
    EXPECT_FALSE(b->IsExpanded());

    CtlModelAs<CtlButton>(::GetDlgItem(b->m_hWnd, 10077))->UserClick();
    EXPECT_FALSE(a->IsExpanded());
    EXPECT_TRUE(b->IsExpanded());
    EXPECT_GT(Placed(b).Height(), b->GetChildTop());

    CtlModelAs<CtlButton>(::GetDlgItem(b->m_hWnd, 10077))->UserClick();
    EXPECT_FALSE(b->IsExpanded());
    EXPECT_EQ(Placed(b).Height(), b->GetChildTop()) << "only the caption line shows";
}

TEST_F(ExpandPanelTest, PanelsStackWithATwoPixelGapAndTheOpenOneShowsItsPages)
{
    CExpandPanel* a = Add("Audio", {Page(), Page()});
    CExpandPanel* b = Add("Video", {Page()});
    int captionLine = a->GetChildTop();
    CRect ra = Placed(a), rb = Placed(b);
    EXPECT_EQ(ra.top, 0);
    EXPECT_EQ(ra.Height(), captionLine);
    EXPECT_EQ(rb.top, captionLine + 2);
    EXPECT_EQ(ra.Width(), 400) << "the container's host gives the width";

    a->Expand();
    int page = pages[0]->GetNativeRect().Height();
    ra = Placed(a);
    rb = Placed(b);
    EXPECT_EQ(ra.Height(), captionLine + page + 3 + page + 4);
    EXPECT_EQ(rb.top, ra.bottom + 2);
    CRect first = Placed(pages[0].get()), second = Placed(pages[1].get());
    EXPECT_EQ(first, CRect(4, captionLine, 396, captionLine + page));
    EXPECT_EQ(second.top, first.bottom + 3);

    // The container asked for the height of the whole stack.
    ASSERT_FALSE(requests.sent.empty());
    EXPECT_EQ(requests.sent.back().message, kContainerSizeRequestMessage);
    EXPECT_EQ(requests.sent.back().p, &container);
}

TEST_F(ExpandPanelTest, CollapsedCaptionSumsUpThePagesAndTurnsRedWhenOneIsInvalid)
{
    SummaryPage* rate = Page("44.1 kHz");
    SummaryPage* empty = Page("");
    SummaryPage* channels = Page("Stereo");
    CExpandPanel* a = Add("Audio", {rate, empty, channels});
    auto colour = [&] { return static_cast<CColorStatic*>(CWnd::FromHandlePermanent(::GetDlgItem(a->m_hWnd, 10027))); };
    EXPECT_EQ(Caption(a), "Audio 44.1 kHz, Stereo");
    ASSERT_NE(colour(), nullptr);
    EXPECT_EQ(colour()->GetTextColor(), RGB(0, 0, 0));

    channels->valid = false;
    a->ShowText();
    EXPECT_EQ(colour()->GetTextColor(), RGB(255, 0, 0));
    bool valid = true;
    EXPECT_EQ(std::string(a->GetText(valid)), "Audio 44.1 kHz, Stereo");
    EXPECT_FALSE(valid);

    a->Expand();
    EXPECT_EQ(Caption(a), "Audio");
    EXPECT_EQ(colour()->GetTextColor(), RGB(0, 0, 0));

    // A disabled page neither adds its text nor its validity.
    a->Collaps();
    channels->SetEnable(false);
    EXPECT_EQ(Caption(a), "Audio 44.1 kHz");
    EXPECT_EQ(colour()->GetTextColor(), RGB(0, 0, 0));
}

TEST_F(ExpandPanelTest, APanelWithoutEnabledPagesTakesNoSpace)
{
    CExpandPanel* a = Add("Audio", {Page()});
    SummaryPage* only = Page();
    CExpandPanel* b = Add("Video", {only});
    CExpandPanel* c = Add("Tags", {Page()});
    int line = a->GetChildTop();
    EXPECT_EQ(Placed(c).top, 2 * (line + 2));

    only->SetEnable(false);
    EXPECT_FALSE(b->IsWindowVisible());
    EXPECT_EQ(Placed(c).top, line + 2);
    only->SetEnable(true);
    EXPECT_TRUE(b->IsWindowVisible());
    EXPECT_EQ(Placed(c).top, 2 * (line + 2));
}

TEST_F(ExpandPanelTest, WithoutLiveArrangeNothingMovesUntilItIsSwitchedBackOn)
{
    CExpandPanel* a = Add("Audio", {Page()});
    SummaryPage* only = Page();
    Add("Video", {only});
    CExpandPanel* c = Add("Tags", {Page()});
    int line = a->GetChildTop();
    container.SetLiveArrange(false);
    only->SetEnable(false);
    EXPECT_EQ(Placed(c).top, 2 * (line + 2));
    container.SetLiveArrange(true);
    EXPECT_EQ(Placed(c).top, line + 2);
}

TEST_F(ExpandPanelTest, NullPageOrPanelAddsNothing)
{
    CExpandPanel expand(nullptr);
    container.AddPanel(&expand, nullptr, "Audio");
    container.AddPanel(nullptr, Page(), "Audio");
    EXPECT_EQ(container.GetManager().GetPanelCount(), 0);
    EXPECT_EQ(expand.m_hWnd, nullptr);
    CWindowPanelManager unhosted;
    unhosted.AddPanel(&expand, Page(), "Audio");
    EXPECT_EQ(unhosted.GetPanelCount(), 0);
}

class RejectingController : public CObjectController2 {};

class ObjectPage : public CObjectPanel {
public:
    ObjectPage() : CObjectPanel(kPage, nullptr) { RegisterChildTemplate(kPage, 100, 40); }
    void SetupController() override {}
};

TEST_F(ExpandPanelTest, InvalidDataInAPageOpensItsPanel)
{
    Add("Audio", {Page()});
    RejectingController controller;
    ObjectPage page;
    auto expand = std::make_unique<CExpandPanel>(nullptr);
    CExpandPanel* b = expand.get();
    page.SetController(&controller);
    container.AddPanel(b, &page, "Video");
    expands.push_back(std::move(expand));
    EXPECT_FALSE(b->IsExpanded());
    controller.Broadcast(kControllerInvalidMessage, nullptr, nullptr);
    EXPECT_TRUE(b->IsExpanded());
    EXPECT_FALSE(expands[0]->IsExpanded());
    expands.pop_back();   // before the page it listens to
}

class DialogHost : public CDialog {
public:
    DialogHost() : CDialog(29003u)
    {
        UDialogTemplates::Register(29003, [] {
            return UDialogTemplates::Make("Main", 200, 50,
                                          {UDialogTemplates::Item("Button", "OK", IDOK, 0, 140, 30, 50, 14)});
        });
    }
};

TEST(CDialogPanelManager, PanelsGoBelowTheDialogsControlsAndTheDialogFitsThem)
{
    DialogHost dialog;
    ASSERT_TRUE(dialog.Create(29003u));
    CRect client;
    dialog.GetClientRect(&client);
    CDialogPanelManager manager;
    manager.SetParent(&dialog);
    EXPECT_EQ(manager.GetTopLine(), client.bottom);

    SummaryPage page("x");
    CExpandPanel expand(nullptr);
    manager.AddPanel(&expand, &page, "Audio");
    manager.Arrange();
    CRect placed;
    UWindowsUtils::GetInParentRect(&expand, placed);
    EXPECT_EQ(placed.top, client.bottom);
    EXPECT_EQ(placed.Width(), client.Width());
    CRect after;
    dialog.GetClientRect(&after);
    EXPECT_EQ(after.Height(), client.bottom + placed.Height());

    expand.Expand();
    dialog.GetClientRect(&after);
    UWindowsUtils::GetInParentRect(&expand, placed);
    EXPECT_EQ(after.Height(), placed.bottom);
    manager.Reset();
    EXPECT_EQ(manager.GetPanelCount(), 0);
    dialog.DestroyWindow();
}

} // namespace

namespace {

TEST_F(ExpandPanelTest, APanelOrPageDestroyedFirstIsForgotten)
{
    Add("Audio", {Page("a")});
    CExpandPanel* b = Add("Video", {Page("b"), Page("c")});
    EXPECT_EQ(container.GetManager().GetPanelCount(), 2);
    pages[2].reset();
    EXPECT_EQ(b->GetChildCount(), 1);
    b->ShowText();
    EXPECT_EQ(Caption(b), "Video b");
    expands[0].reset();
    EXPECT_EQ(container.GetManager().GetPanelCount(), 1);
    container.Arrange();
    CRect r;
    UWindowsUtils::GetInParentRect(b, r);
    EXPECT_EQ(r.top, 0);
}

} // namespace
