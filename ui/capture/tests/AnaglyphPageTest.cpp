#include "C3dInfo2.h"
#include "CAnaglyph2Panel.h"
#include "OutputPageSupport.h"
#include "UPersistStorage.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

using P = CAnaglyph2Panel;
using C = CAnaglyph2Controller;

class AnaglyphPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    PageHost host;
    PageView view;
    C3dInfo2 info;
};

TEST_F(AnaglyphPageTest, GreyPicturesOfferEveryFilterAndColourOnesRedAndCyan)
{
    P page(1, nullptr);
    OpenPage(page, host, &info, view);
    EXPECT_EQ((std::vector<std::string>{"Color", "Grey Scale"}), view.Items(P::kColor));
    EXPECT_EQ((std::vector<std::string>{"Red / Cyan"}), view.Items(P::kFilter));
    EXPECT_EQ("Red / Cyan", view.Selected(P::kFilter));
    view.Pick(P::kColor, "Grey Scale");
    EXPECT_EQ(1, info.GetAnaglyphColor());
    EXPECT_EQ((std::vector<std::string>{"Red / Cyan", "Red / Blue", "Red / Green"}), view.Items(P::kFilter));
    view.Pick(P::kFilter, "Red / Green");
    EXPECT_EQ(2, info.GetAnaglyphFilter());
    info.SetAnaglyphColor(0);
    EXPECT_EQ("Color", view.Selected(P::kColor));
    EXPECT_EQ((std::vector<std::string>{"Red / Cyan"}), view.Items(P::kFilter)) << "the list follows at once";
    EXPECT_STREQ("", page.GetController()->GetText());
}

TEST_F(AnaglyphPageTest, AStoredFilterTheColourModeDoesNotOfferIsShownUnselected)
{
    // A file from elsewhere may pair colour with a blue filter, which the record never does.
    const std::string path = std::string(std::getenv("MORVANE_HOME")) + "/3d.xml";
    {
        C3dInfo2 grey;
        grey.SetAnaglyphColor(1);
        grey.SetAnaglyphFilter(1);
        ASSERT_TRUE(UPersistStorage::SaveFile(grey, "3D", path.c_str()));
    }
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t at = text.find(">1</color>");
    ASSERT_NE(std::string::npos, at) << text;
    text.replace(at, 2, ">0");
    std::ofstream(path) << text;
    ASSERT_TRUE(UPersistStorage::LoadFile(info, "3D", path.c_str()));
    ASSERT_EQ(0, info.GetAnaglyphColor());
    ASSERT_EQ(1, info.GetAnaglyphFilter());

    P page(1, nullptr);
    OpenPage(page, host, &info, view);
    EXPECT_EQ((std::vector<std::string>{"Red / Cyan"}), view.Items(P::kFilter));
    EXPECT_EQ("<none>", view.Selected(P::kFilter));
    EXPECT_EQ(1, info.GetAnaglyphFilter()) << "the page does not change the stored filter";
}

TEST_F(AnaglyphPageTest, TextsAndValues)
{
    EXPECT_EQ("Grey Scale", std::string(C::GetColorText(1)));
    EXPECT_EQ("", std::string(C::GetColorText(5)));
    EXPECT_EQ(1, C::GetColor("Sepia"));
    EXPECT_EQ(0, C::GetColor("Color"));
    EXPECT_EQ("Red / Blue", std::string(C::GetFilterText(1)));
    EXPECT_EQ("", std::string(C::GetFilterText(-1)));
    EXPECT_EQ(0, C::GetFilter("Red / Cyan"));
    EXPECT_EQ(1, C::GetFilter("Red / Blue"));
    EXPECT_EQ(2, C::GetFilter("Purple"));
}

} // namespace
