#include "CTelloraData.h"
#include "CTextToSpeechTask.h"
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "win32/TestHome.h"
#include "win32/dialogs/MessageBox.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextToSpeechTaskTest, WithoutDataNothingStartsAndNothingIsReported)
{
    MvTestHome home;
    CTextToSpeechTask task;
    EXPECT_EQ(task.GetSplitter(), 0);
    EXPECT_STREQ(task.GetText(), "");
    EXPECT_EQ(task.GetProgress(), 0);
    EXPECT_EQ(task.GetChildAction(), nullptr);
    EXPECT_TRUE(task.GetError().IsEmpty());
    EXPECT_FALSE(task.Start());
    EXPECT_FALSE(task.IsRunning());
}

// What the progress window reads before a recording has spoken anything.
TEST(TextToSpeechTaskTest, ProgressFollowsTheOutputType)
{
    MvTestHome home;
    CTelloraData data;
    data.GetFilePath().SetFilePath((home.Path() + "/out/talk.wav").c_str());
    CTextToSpeechTask task;
    task.SetData(&data);
    data.GetMediaOutput().SetSplitterType(500);
    EXPECT_EQ(task.GetSplitter(), 500);
    EXPECT_STREQ(task.GetText(), "Encoding audio to talk.wav");
    EXPECT_EQ(task.GetProgress(), 0);
    EXPECT_EQ(task.GetChildAction(), nullptr);

    data.GetMediaOutput().SetSplitterType(350);
    EXPECT_STREQ(task.GetText(), "Step 2 of 2: Converting audio");
    EXPECT_DOUBLE_EQ(task.GetProgress(), 0.2);
    EXPECT_EQ(task.GetChildAction(), static_cast<CProgressAction*>(&task.GetAdministrator()));
}

TEST(TextToSpeechTaskTest, TheTemporaryFileLivesInTheUsersApplicationFolder)
{
    MvTestHome home;
    StApplicationId id(98102);
    const std::string folder = UDirectoryUtils::GetUserAppDataDirectory();
    EXPECT_EQ(std::string(CTextToSpeechTask::MakeTempFile()), folder + "speech.wav");
    EXPECT_EQ(folder.rfind(home.Path(), 0), 0u) << folder;
}

TEST(TextToSpeechTaskTest, AnEmptySavePathIsRefusedBeforeAnythingStarts)
{
    MvTestHome home;
    CTelloraData data;
    data.GetMediaOutput().SetSplitterType(350);
    CTextToSpeechTask task;
    task.SetData(&data);
    task.SetText("words");
    MvTakeShownMessageBoxes();
    EXPECT_FALSE(task.Start());
    const auto boxes = MvTakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Please specify the output file name.");
    EXPECT_FALSE(task.IsRunning());
    EXPECT_FALSE(task.GetThread().IsRunning());
}
