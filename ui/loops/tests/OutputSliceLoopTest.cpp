#include "CDirectShowAdministrator2.h"
#include "CMediaConversionOutputs.h"
#include "CMediaFile2.h"
#include "CMediaOutput2.h"
#include "CMediaOutputLoop.h"
#include "CMediaWriter2.h"
#include "CSaveDir2.h"
#include "CSliceDuration2.h"
#include "CVideoConversionSliceLoop.h"

#include <gtest/gtest.h>

namespace {

// A loop whose slices "convert" at once: naming and walking alone are under test.
class CNamingSliceLoop : public CMediaSliceLoop {
public:
    CDirectShowAdministrator2* CreateAdministratorSelf() override { return new CDirectShowAdministrator2; }
    bool ProcessItem() override
    {
        paths.emplace_back(GetSaveFile().GetFilePath().GetString());
        return true;
    }
    std::vector<std::string> paths;
};

void AddSlice(CMediaFile2& file, double start, double end)
{
    auto* slice = new CSliceDuration2;
    slice->SetMax(600);
    slice->SetEnd(end);
    slice->SetStart(start);
    file.AddSlice(slice);
}

TEST(OutputSliceLoopTest, EachSliceIsWrittenBesideItsInputUnderItsNumber)
{
    CMediaFile2 clip;
    clip.GetFilePath().SetFilePath("/videos/clip.avi");
    clip.SetDuration(600);
    AddSlice(clip, 0, 10);
    AddSlice(clip, 20, 50);
    CMediaOutput2 output;
    output.SetSplitterType(100);
    CSaveDir2 folder;
    folder.SetSameDirectory(true);
    folder.SetFileReplace(kFileReplaceReplace);

    CNamingSliceLoop loop;
    loop.SetMediaFile(&clip);
    loop.SetOutput(&output);
    loop.SetSaveDir(&folder);
    EXPECT_EQ(CString("clip_2.avi"), loop.GetEncodingFileName(2));
    ASSERT_TRUE(loop.Start());
    EXPECT_EQ(40.0, loop.GetTotalTime());
    EXPECT_STREQ("Converting 1 out of 2 slices...", loop.GetText());
    loop.OnComplete();
    EXPECT_EQ((std::vector<std::string>{"/videos/clip_1.avi", "/videos/clip_2.avi"}), loop.paths);
    EXPECT_EQ(kFileReplaceReplace, loop.GetSaveFile().GetFileReplace());

    // Another folder: the folder's path, then the name.
    folder.SetSameDirectory(false);
    folder.SetFilePath("/out/");
    loop.Start();
    EXPECT_EQ("/out/clip_1.avi", loop.paths.back()) << "every run starts at the first slice";
}

TEST(OutputSliceLoopTest, AnInputWrittenToThreeOutputsCountsItsSliceThreeTimes)
{
    CMediaConversionOutputs conversion;
    conversion.GetInput().SetDuration(60);
    for (int i = 0; i < 3; ++i) conversion.GetOutputs().Add(new CMediaWriter2);
    CMediaOutputLoop loop;
    loop.SetConversion(&conversion);
    EXPECT_EQ(180.0, loop.CalculateTotalTime());
}

} // namespace
