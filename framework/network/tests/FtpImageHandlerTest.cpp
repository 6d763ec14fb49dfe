#include "CFtpImageHandler.h"
#include "CopyImageSource.h"
#include "CFtpUploader.h"
#include "EColorFormat.h"
#include "win32/kernel/Clock.h"
#include "win32/kernel/KernelTime.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class VirtualClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        MvUseVirtualClock(true);
        if (timeGetTime() == 0) MvAdvanceClock(1);
    }
    void TearDown() override { MvUseVirtualClock(false); }
};

using FtpInterval = VirtualClock;
using FtpImageHandler = VirtualClock;

}

TEST_F(FtpInterval, FirstCallPassesThenTheIntervalHolds)
{
    CFtpUploader uploader;
    unsigned long last = 0;
    EXPECT_TRUE(uploader.CheckInterval(last, 5));
    EXPECT_EQ(timeGetTime(), last);
    const unsigned long first = last;
    MvAdvanceClock(5000);
    EXPECT_FALSE(uploader.CheckInterval(last, 5));
    EXPECT_EQ(first, last);
    MvAdvanceClock(1);
    EXPECT_TRUE(uploader.CheckInterval(last, 5));
    // A clock behind the last time (it wrapped) passes.
    last = timeGetTime() + 100;
    EXPECT_TRUE(uploader.CheckInterval(last, 5));

    // A plain uploader refuses a second write within the interval before connecting.
    uploader.SetLastUploadTime(timeGetTime());
    const unsigned char byte = 1;
    EXPECT_FALSE(uploader.WriteData(&byte, 1));
    EXPECT_EQ(CString(""), uploader.GetStatus());
}

TEST_F(FtpInterval, WritesThatCannotStartFail)
{
    CFtpUploader uploader;
    const unsigned char byte = 1;
    EXPECT_FALSE(FtpWriteData(nullptr, &byte, 1));
    EXPECT_FALSE(FtpWriteData(&uploader, &byte, -1));
    EXPECT_FALSE(uploader.WriteData(&byte, 0));
    uploader.SetServer("no/such host");
    MvAdvanceClock(5001);
    EXPECT_FALSE(FtpWriteData(&uploader, &byte, 1));
    EXPECT_EQ(CString("Unable to connect to the FTP server. Check address, user name and password."),
              uploader.GetStatus());
    EXPECT_FALSE(uploader.IsOpen());
    EXPECT_EQ(nullptr, uploader.OpenFile(std::string(300, 'a').c_str()));
}

TEST_F(FtpImageHandler, AnswersAsItsSinkAndFollowsItsSource)
{
    CopyImageSource first;
    CopyImageSource second;
    {
        CFtpImageHandler handler;
        void* sink = nullptr;
        EXPECT_EQ(S_OK, handler.QueryInterface(IVideoPostbackHandler::kIid, &sink));
        EXPECT_EQ(static_cast<IVideoPostbackHandler*>(&handler), sink);
        EXPECT_EQ(S_OK, handler.QueryInterface(IUnknown::kIid, &sink));
        EXPECT_EQ(E_NOINTERFACE, handler.QueryInterface(IVideoPostback::kIid, &sink));
        EXPECT_EQ(2u, handler.AddRef());
        EXPECT_EQ(1u, handler.Release());
        EXPECT_EQ(1002, handler.GetImageType());
        EXPECT_EQ(50, handler.GetQuality());

        handler.SetPostback(&first);
        EXPECT_EQ(static_cast<IVideoPostbackHandler*>(&handler), first.handler);
        handler.SetPostback(&second);
        EXPECT_EQ(nullptr, first.handler);
        EXPECT_EQ(static_cast<IVideoPostbackHandler*>(&handler), second.handler);
    }
    EXPECT_EQ(nullptr, second.handler);
}

TEST_F(FtpImageHandler, HandlersAreListedWhileTheyLive)
{
    const int before = CFtpImageHandler::sHandlers.GetItemCount();
    auto* a = new CFtpImageHandler;
    CFtpImageHandler b(*a);
    EXPECT_EQ(before + 2, CFtpImageHandler::sHandlers.GetItemCount());
    delete a;
    EXPECT_EQ(before + 1, CFtpImageHandler::sHandlers.GetItemCount());
    EXPECT_GE(CFtpImageHandler::sHandlers.GetIndex(&b), 0);
}

TEST_F(FtpImageHandler, NothingIsSentWithoutSourceOrFrame)
{
    CFtpImageHandler handler;
    handler.SetServer("127.0.0.1");
    handler.SetPort(1);
    // No source: the frame cannot be encoded.
    const unsigned char frame[4] = {1, 2, 3, 4};
    handler.ProcessImage(frame, 4, static_cast<EColorFormat>(100), true, 2, 2, 2, 2);
    EXPECT_TRUE(handler.HasImage());
    EXPECT_FALSE(handler.HandleImage());
    EXPECT_EQ(CString(""), handler.GetStatus());

    // A source but no frame: the interval is used up, nothing is encoded or sent.
    CopyImageSource source;
    CFtpImageHandler empty;
    empty.SetPostback(&source);
    empty.SetServer("127.0.0.1");
    empty.SetPort(1);
    EXPECT_FALSE(empty.HandleImage());
    EXPECT_EQ(0, source.encodes);
    EXPECT_EQ(timeGetTime(), empty.GetLastUploadTime());
    EXPECT_FALSE(empty.HandleImage());
    EXPECT_EQ(CString(""), empty.GetStatus());
}
