#include "CDuration.h"
#include "CDuration2Panel.h"
#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "CSliceDuration2Panel.h"
#include "CVideoCropPanel.h"
#include "CVideoTrack.h"
#include "OutputPageSupport.h"
#include "UTimecodeUtils.h"

namespace {

class FilePagesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Make()); }
    PageHost host;
    PageView view;
};

TEST_F(FilePagesTest, TimesAreTypedAsTimeCodesAndRefusedOnesShowTheStoredTime)
{
    using P = CDuration2Panel;
    CDuration range;
    range.SetMax(600);
    range.SetEnd(90);
    range.SetStart(30);
    P page(1, nullptr);
    OpenPage(page, host, &range, view);
    EXPECT_EQ(UTimecodeUtils::Format(30), view.WindowText(P::kStart));
    view.TypeAndCommit(P::kEnd, UTimecodeUtils::Format(75.5));
    EXPECT_DOUBLE_EQ(75.5, range.GetEnd());
    // A start after the end is not taken: the field shows the stored start again.
    view.TypeAndCommit(P::kStart, UTimecodeUtils::Format(300));
    EXPECT_EQ(30.0, range.GetStart());
    EXPECT_EQ(UTimecodeUtils::Format(30), view.WindowText(P::kStart));
}

TEST_F(FilePagesTest, ASliceMovesThroughItsFileAndLinksToTheNeighboursItHas)
{
    using P = CSliceDuration2Panel;
    CMediaFile2 file;
    file.SetDuration(100);
    file.AddSliceAtTime(0, 100);
    file.AddSliceAtTime(50, 100);
    ASSERT_EQ(2, file.GetSliceCount());
    CSliceDuration2* first = file.GetSliceAt(0);
    P page(1, nullptr);
    page.SetMediaFile(&file);
    OpenPage(page, host, first, view);
    EXPECT_FALSE(view.Shown(P::kLinkPrevious)) << "the first slice has nothing before it";
    EXPECT_TRUE(view.Shown(P::kLinkNext));
    EXPECT_TRUE(view.Checked(P::kLinkNext)) << "a split leaves the halves glued";
    view.Click(P::kLinkNext);
    EXPECT_FALSE(first->GetLinkNext());
    EXPECT_FALSE(view.Checked(P::kLinkNext));
    view.TypeAndCommit(P::kEnd, UTimecodeUtils::Format(40));
    EXPECT_EQ(40.0, first->GetEnd());
}

TEST_F(FilePagesTest, TheCropSummaryNamesOnlyARealCrop)
{
    using P = CVideoCropPanel;
    CVideoTrack track;
    track.GetVideoInfo().SetWidth(640);
    track.GetVideoInfo().SetHeight(480);
    track.ResetCrop();
    P page(1, nullptr);
    OpenPage(page, host, &track, view);
    EXPECT_EQ("640", view.WindowText(P::kRight));
    EXPECT_STREQ("", page.GetController()->GetText());
    view.TypeAndCommit(P::kLeft, "8");
    EXPECT_EQ(8, track.GetCropLeft());
    EXPECT_STREQ("Cropping 8, 0, 640, 480", page.GetController()->GetText());
    view.TypeAndCommit(P::kLeft, "wide");
    EXPECT_EQ(0, track.GetCropLeft()) << "text without a number is 0";
    view.TypeAndCommit(P::kTop, "479");
    view.Click(P::kReset);
    EXPECT_EQ(0, track.GetCropTop());
    EXPECT_EQ("0", view.WindowText(P::kTop));
}

} // namespace
