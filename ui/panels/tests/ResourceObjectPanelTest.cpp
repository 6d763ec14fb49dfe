#include "CAspectRatioInfo2.h"
#include "CResourceObjectPanel.h"
#include "CVideoWindowLocator.h"
#include "StApplicationId.h"
#include "afx/windows/CWinApp.h"
#include "afx/windows/CWnd.h"
#include "win32/windowing/MessageLoop.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {

TEST(CResourceObjectPanel, ChoosesTheTemplateOfTheApplication)
{
    struct Case {
        unsigned base;
        unsigned long application;
        unsigned expected;
    } cases[] = {
        {7043, 1, 7129},     {7035, 1, 7035},     {7022, 1, 7022},     {7035, 77002, 7036}, {7035, 50957, 7037},
        {7035, 12345, 7035}, {7022, 10001, 7141}, {7022, 44035, 7050}, {7022, 99087, 7050}, {7022, 50722, 7073},
        {7020, 84025, 7049}, {7020, 60995, 7060}, {7074, 3, 7077},     {7143, 2, 7145},     {7114, 77002, 7115},
        {7114, 77003, 7114}, {7041, 98102, 7041}, {7031, 58090, 7059}, {7999, 77002, 7999},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CResourceObjectPanel::ChooseTemplate(c.base, c.application))
            << c.base << " in " << c.application;
}

TEST(CResourceObjectPanel, IdZeroMeansTheRunningApplication)
{
    EXPECT_EQ(7035u, CResourceObjectPanel::ChooseTemplate(7035, 0)) << "no application holds an id";
    StApplicationId id(77002);
    ASSERT_EQ(77002u, StApplicationId::Id());
    EXPECT_EQ(7036u, CResourceObjectPanel::ChooseTemplate(7035, 0));
    EXPECT_EQ(7035u, CResourceObjectPanel::ChooseTemplate(7035, 1)) << "the export dialogs' base layouts";
}

class Host : public CWnd {
public:
    bool Make(int width, int height)
    {
        return CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, width, height), nullptr, 0) != FALSE;
    }
    ~Host() override
    {
        if (m_hWnd) DestroyWindow();
        MvPumpUntilIdle();
        AfxDeleteTempMaps();
    }
};

class VideoWindowLocatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.Make(400, 400));
        ASSERT_TRUE(video.CreateEx(0, nullptr, "video", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 400), &parent, 1));
        locator.SetWindow(&video);
    }
    CRect Placed()
    {
        CRect rect;
        video.GetWindowRect(&rect);
        parent.ScreenToClient(&rect);
        return rect;
    }

    Host parent;
    CWnd video;
    CVideoWindowLocator locator;
};

TEST_F(VideoWindowLocatorTest, AWidePictureKeepsTheWidthAndIsCentredVertically)
{
    CAspectRatioInfo2 aspect;
    aspect.SetOutput(16.0 / 9.0);
    locator.SetAspectRatio(&aspect);
    EXPECT_EQ(CRect(0, 87, 400, 312), Placed());

    // A narrow picture keeps the height and is centred across.
    aspect.SetOutput(0.5);
    EXPECT_EQ(CRect(100, 0, 300, 400), Placed());
}

TEST_F(VideoWindowLocatorTest, ARecordThatGoesFirstLeavesTheComputedRectangle)
{
    auto aspect = std::make_unique<CAspectRatioInfo2>();
    aspect->SetOutput(2.0);
    locator.SetAspectRatio(aspect.get());
    EXPECT_EQ(CRect(0, 100, 400, 300), Placed());
    aspect.reset();
    EXPECT_EQ(nullptr, locator.GetAspectRatio());
    locator.Move();
    EXPECT_EQ(CRect(0, 0, 400, 400), Placed());
}

TEST(CVideoWindowLocator, FitsRatiosOfNoShapeAsTheAreaIs)
{
    const CRect area(10, 20, 110, 70);
    EXPECT_EQ(area, CVideoWindowLocator::Fit(area, 0.0));
    EXPECT_EQ(area, CVideoWindowLocator::Fit(area, -1.0));
    EXPECT_EQ(area, CVideoWindowLocator::Fit(area, std::numeric_limits<double>::infinity()));
    EXPECT_EQ(CRect(35, 20, 85, 70), CVideoWindowLocator::Fit(area, 1.0));
}

} // namespace
