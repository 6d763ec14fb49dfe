#include "CHttpDownloadThread.h"

#include <gtest/gtest.h>

TEST(HttpDownloadText, NamesTheLastPartOfTheAddress)
{
    CHttpDownloadThread thread;
    thread.SetUrl("http://example.org/download/setup.exe");
    EXPECT_STREQ("Downloading setup.exe...", thread.GetText());
    thread.SetUrl("setup.exe");
    EXPECT_STREQ("Downloading setup.exe...", thread.GetText());
    thread.SetUrl("http://example.org/");
    EXPECT_STREQ("Downloading ...", thread.GetText());
    EXPECT_EQ(0.0, thread.GetProgress());
    EXPECT_TRUE(thread.IsOk());
}
