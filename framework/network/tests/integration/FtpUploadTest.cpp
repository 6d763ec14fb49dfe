#include "CFtpImageHandler.h"
#include "CopyImageSource.h"
#include "CFtpUploadThread.h"
#include "CFtpUploader.h"
#include "integration/LoopbackServers.h"
#include "win32/kernel/Clock.h"
#include "win32/kernel/KernelTime.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"

#include "FileText.h"

#include <gtest/gtest.h>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>

namespace {

bool Write(CFtpUploader& uploader, const std::string& bytes)
{
    return uploader.WriteData(reinterpret_cast<const unsigned char*>(bytes.data()),
                              static_cast<unsigned long>(bytes.size()));
}

class CountedUploadThread : public CFtpUploadThread {
public:
    explicit CountedUploadThread(std::atomic<bool>& gone) : m_gone(gone) {}
    ~CountedUploadThread() override { m_gone = true; }

private:
    std::atomic<bool>& m_gone;
};

// Counts the uploads that finished, which is what the interval test waits for: an encode
// happens before its upload, so a count of encodes runs ahead of the files on the server.
class CountedImageHandler : public CFtpImageHandler {
public:
    std::atomic<int> uploads{0};
    bool UploadImage() override
    {
        const bool done = CFtpImageHandler::UploadImage();
        if (done) ++uploads;
        return done;
    }
};

class FtpUpload : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = home.Path() + "/ftp";
        std::filesystem::create_directories(root);
        server = std::make_unique<MvLoopbackServer>(MvLoopbackServer::kFtp, root);
        if (!server->Running()) GTEST_SKIP() << "no loopback FTP server (python3 with pyftpdlib missing?)";
        MvUseVirtualClock(true);
        if (timeGetTime() == 0) MvAdvanceClock(1);
    }
    void TearDown() override { MvUseVirtualClock(false); }

    void Account(CFtpUploader& uploader, const char* path)
    {
        uploader.SetServer("127.0.0.1");
        uploader.SetPort(static_cast<unsigned short>(server->Port()));
        uploader.SetUserName("user");
        uploader.SetPassword("pass");
        uploader.SetPath(path);
    }

    MvTestHome home;
    std::string root;
    std::unique_ptr<MvLoopbackServer> server;
};

}

TEST_F(FtpUpload, WritesAtMostOncePerInterval)
{
    for (const bool passive : {false, true}) {
        CFtpUploader uploader;
        Account(uploader, "live/cam.jpg");
        std::filesystem::create_directories(root + "/live");
        uploader.SetPassive(passive);
        EXPECT_TRUE(Write(uploader, "first")) << passive;
        EXPECT_EQ(CString("Image uploaded successfully."), uploader.GetStatus());
        EXPECT_EQ("first", FileText(root + "/live/cam.jpg"));
        MvAdvanceClock(4000);
        EXPECT_FALSE(Write(uploader, "second"));
        EXPECT_EQ("first", FileText(root + "/live/cam.jpg"));
        MvAdvanceClock(1001);
        EXPECT_TRUE(Write(uploader, "third"));
        EXPECT_EQ("third", FileText(root + "/live/cam.jpg"));
    }
}

TEST_F(FtpUpload, MissingFoldersAreMadeFromTheTop)
{
    CFtpUploader uploader;
    Account(uploader, "web/images/live/cam.jpg");
    EXPECT_TRUE(Write(uploader, "picture"));
    EXPECT_EQ("picture", FileText(root + "/web/images/live/cam.jpg"));
}

TEST_F(FtpUpload, ChangingTheServerDisconnectsAndTheNextWriteReconnects)
{
    CFtpUploader uploader;
    Account(uploader, "cam.jpg");
    ASSERT_TRUE(Write(uploader, "one"));
    EXPECT_TRUE(uploader.IsOpen());
    uploader.SetServer("127.0.0.1");
    EXPECT_FALSE(uploader.IsOpen());
    EXPECT_EQ(CString("Disconnected from the FTP server."), uploader.GetStatus());
    MvAdvanceClock(5001);
    EXPECT_TRUE(Write(uploader, "two"));
    EXPECT_TRUE(uploader.IsOpen());
    EXPECT_EQ("two", FileText(root + "/cam.jpg"));
}

TEST_F(FtpUpload, FailuresBecomeStatusTexts)
{
    CFtpUploader wrongPassword;
    Account(wrongPassword, "cam.jpg");
    wrongPassword.SetPassword("wrong");
    EXPECT_FALSE(Write(wrongPassword, "x"));
    EXPECT_EQ(CString("Unable to connect to the FTP server. Check address, user name and password."),
              wrongPassword.GetStatus());

    // A remote path that is too long, or that names an existing folder, fails and drops
    // the connection; the failure stays the status.
    std::filesystem::create_directories(root + "/taken");
    const std::string cases[] = {std::string(300, 'a'), "taken"};
    for (const std::string& path : cases) {
        CFtpUploader uploader;
        Account(uploader, path.c_str());
        EXPECT_FALSE(Write(uploader, "x"));
        EXPECT_EQ(CString("Failed to upload image."), uploader.GetStatus());
        EXPECT_FALSE(uploader.IsOpen());
    }
}

TEST_F(FtpUpload, OneThreadServesHandlersAtTheirOwnIntervals)
{
    CopyImageSource source;
    CountedImageHandler fast;
    CountedImageHandler slow;
    CountedImageHandler idle;
    Account(fast, "fast.jpg");
    Account(slow, "slow/cam.jpg");
    Account(idle, "idle.jpg");
    fast.SetInterval(1);
    slow.SetInterval(5);
    for (CountedImageHandler* handler : {&fast, &slow, &idle}) {
        handler->SetPassive(true);
        handler->SetPostback(&source);
    }
    fast.ProcessImage(reinterpret_cast<const unsigned char*>("fast frame"), 10, static_cast<EColorFormat>(100), true,
                      1, 1, 1, 1);
    slow.ProcessImage(reinterpret_cast<const unsigned char*>("slow frame"), 10, static_cast<EColorFormat>(100), true,
                      1, 1, 1, 1);
    idle.ProcessImage(reinterpret_cast<const unsigned char*>("idle frame"), 10, static_cast<EColorFormat>(100), true,
                      1, 1, 1, 1);
    fast.Start();
    slow.Start();

    std::atomic<bool> gone{false};
    auto* thread = new CountedUploadThread(gone);
    ASSERT_TRUE(thread->Execute(0));
    ASSERT_TRUE(MvPumpUntil([&] { return fast.uploads.load() == 1 && slow.uploads.load() == 1; }, 20000));
    EXPECT_EQ("fast frame", FileText(root + "/fast.jpg"));
    EXPECT_EQ("slow frame", FileText(root + "/slow/cam.jpg"));

    // Five seconds in steps just over one: the fast handler uploads at each, the slow one once.
    for (int step = 1; step <= 5; ++step) {
        MvAdvanceClock(1001);
        const int slowUploads = step == 5 ? 2 : 1;
        ASSERT_TRUE(MvPumpUntil([&] { return fast.uploads.load() == 1 + step && slow.uploads.load() == slowUploads; },
                                20000))
            << step;
    }
    EXPECT_EQ(CString("Image uploaded successfully."), fast.GetStatus());

    // Once the thread is gone nothing more can happen: the counts are final.
    thread->Cancel();
    ASSERT_TRUE(MvPumpUntil([&] { return gone.load(); }, 20000));
    EXPECT_EQ(6, fast.uploads.load());
    EXPECT_EQ(2, slow.uploads.load());
    EXPECT_EQ(0, idle.uploads.load());
    EXPECT_EQ(8, source.encodes.load());
    EXPECT_FALSE(std::filesystem::exists(root + "/idle.jpg"));
}

TEST_F(FtpUpload, ClosingDoesNotWaitForAServerThatNeverSaysGoodbye)
{
    MvLoopbackServer silent(MvLoopbackServer::kFtpNoQuit, root);
    ASSERT_TRUE(silent.Running());
    CFtpUploader uploader;
    Account(uploader, "quiet.bin");
    uploader.SetPort(static_cast<unsigned short>(silent.Port()));
    ASSERT_TRUE(Write(uploader, "bytes"));
    EXPECT_EQ("bytes", FileText(root + "/quiet.bin"));
    // The goodbye is never answered: the close does not wait for the server to answer it.
    auto closed = std::async(std::launch::async, [&uploader] { uploader.Close(); });
    ASSERT_EQ(std::future_status::ready, closed.wait_for(std::chrono::seconds(10)));
    EXPECT_FALSE(uploader.IsOpen());
}

TEST_F(FtpUpload, AbortEndsAWriteTheServerNeverAnswers)
{
    // A store command never answered, and a whole file whose final reply is held back (the
    // reply's own time-out is half a minute away): the abort waits for neither.
    const struct {
        MvLoopbackServer::Kind kind;
        const char* marker;
    } cases[] = {{MvLoopbackServer::kFtpNoStore, "stor_seen"}, {MvLoopbackServer::kFtpNoFinalReply, "final_held"}};
    for (const auto& c : cases) {
        MvLoopbackServer stalling(c.kind, root);
        ASSERT_TRUE(stalling.Running());
        CFtpUploader uploader;
        Account(uploader, "never.bin");
        uploader.SetPort(static_cast<unsigned short>(stalling.Port()));
        auto written = std::async(std::launch::async, [&uploader] { return Write(uploader, "bytes"); });
        ASSERT_TRUE(MvPumpUntil([&] { return std::filesystem::exists(root + "/" + c.marker); }, 30000)) << c.marker;
        uploader.Abort();
        ASSERT_EQ(std::future_status::ready, written.wait_for(std::chrono::seconds(10))) << c.marker;
        EXPECT_FALSE(written.get());
        EXPECT_EQ(CString("Failed to upload image."), uploader.GetStatus());

        // Resumed, it writes again to a server that answers.
        uploader.Resume();
        uploader.SetPort(static_cast<unsigned short>(server->Port()));
        MvAdvanceClock(5001);
        EXPECT_TRUE(Write(uploader, "again"));
        EXPECT_EQ("again", FileText(root + "/never.bin"));
    }
}
