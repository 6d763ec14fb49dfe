// The image file list: a slide show's pictures, taken in by dropping them, removed by
// selection or all at once.
#include "CImageFileAdder.h"
#include "CImageFileListControl.h"
#include "CSlideInfo2.h"
#include "CSlideShow2.h"
#include "ListsTestSupport.h"

#include "win32/TestHome.h"
#include "win32/tests/BmpTestFile.h"
#include "win32/windowing/Shell.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

CSlideInfo2* AddSlide(CSlideShow2& show, const char* path)
{
    auto* slide = new CSlideInfo2;
    slide->GetFilePath().SetFilePath(path);
    show.AddSlide(slide);
    return slide;
}

class ImageFileListTest : public ::testing::Test {
protected:
    void SetUp() override { list.control.SetObject(&show); }
    Texts Names() { return list.View().Column(0); }

    MvTestHome home;
    CSlideShow2 show;
    ListHost<CImageFileListControl> list;
};

TEST_F(ImageFileListTest, EachSlideShowsItsFileAndFolder)
{
    CSlideInfo2* first = AddSlide(show, "/pictures/summer/beach.jpg");
    AddSlide(show, "/pictures/dog.png");
    ReportView view = list.View();
    EXPECT_EQ(view.Columns(), (std::vector<ListColumn>{{"File", 160, false}, {"Path", 360, false}}));
    EXPECT_EQ(view.Row(0), (Texts{"beach.jpg", "/pictures/summer"}));
    EXPECT_EQ(view.Row(1), (Texts{"dog.png", "/pictures"}));
    EXPECT_EQ(view.Image(1), 0);
    EXPECT_EQ(std::string(list.control.GetObjectText(first, 2, false)), "Error");
    EXPECT_EQ(std::string(list.control.GetObjectText(nullptr, 0, false)), "Error");
}

TEST_F(ImageFileListTest, RemoveTakesOutTheSelectedSlidesAndClearTakesAll)
{
    for (const char* path : {"/p/a.bmp", "/p/b.bmp", "/p/c.bmp", "/p/d.bmp"}) AddSlide(show, path);
    ReportView view = list.View();
    list.control.Remove();
    EXPECT_EQ(show.GetSlideCount(), 4) << "nothing selected, nothing removed";
    view.Click(1);
    view.Click(2, MK_CONTROL);
    list.control.Remove();
    EXPECT_EQ(Names(), (Texts{"a.bmp", "d.bmp"}));
    EXPECT_EQ(show.GetSlideCount(), 2);
    // The removed rows took their selection with them.
    EXPECT_EQ(list.control.GetSelectionCount(), 0);
    view.Click(0);
    list.control.Clear();
    EXPECT_EQ(view.Rows(), 0);
    EXPECT_EQ(show.GetSlideCount(), 0);
    EXPECT_EQ(list.control.GetSelectionCount(), 0);
}

TEST_F(ImageFileListTest, DroppedPicturesBecomeSlidesInTheOrderOfTheDrop)
{
    const std::filesystem::path folder = std::filesystem::path(home.Path()) / "pictures";
    std::filesystem::create_directories(folder / "trip");
    WriteSolidBmp24(folder / "first.bmp", 32, 24, 10, 20, 30);
    WriteSolidBmp24(folder / "trip" / "inner.bmp", 8, 6, 10, 20, 30);
    std::ofstream(folder / "notes.bmp") << "not a picture";
    WriteSolidBmp24(folder / "last.bmp", 16, 9, 10, 20, 30);
    AddSlide(show, "/old/kept.bmp");
    ASSERT_TRUE(MvDropFiles(list.control.GetSafeHwnd(),
                            {(folder / "first.bmp").string(), (folder / "trip").string(),
                             (folder / "notes.bmp").string(), (folder / "last.bmp").string()},
                            POINT{20, 40}));
    ASSERT_TRUE(MvPumpUntil([&] { return show.GetSlideCount() == 4; }, 30000));
    MvPumpUntil([&] { return !list.control.GetAdder().GetWorker().IsRunning(); }, 30000);
    MvPumpUntilIdle();
    EXPECT_EQ(Names(), (Texts{"kept.bmp", "first.bmp", "inner.bmp", "last.bmp"}));
    CSlideInfo2* last = show.GetSlide(3);
    EXPECT_EQ(last->GetImageInfo().GetWidth(), 16);
    EXPECT_EQ(last->GetImageInfo().GetHeight(), 9);
    EXPECT_EQ(std::string(list.View().Text(2, 1)), (folder / "trip").string());
    EXPECT_EQ(list.control.GetAdder().GetItemList().GetItemCount(), 0);
}

} // namespace
