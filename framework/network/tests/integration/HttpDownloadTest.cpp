#include "CHttpDownloadThread.h"
#include "integration/LoopbackServers.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"

#include "FileText.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace {

std::string Pattern(size_t n)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 7) % 251);
    return bytes;
}

class HttpDownload : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("no_proxy", "127.0.0.1", 1);
        www = home.Path() + "/www";
        std::filesystem::create_directories(www + "/download");
        std::ofstream(www + "/download/setup.exe", std::ios::binary) << Pattern(20000);
        std::ofstream(www + "/small.bin", std::ios::binary) << Pattern(5000);
        server = std::make_unique<MvLoopbackServer>(MvLoopbackServer::kHttp, www);
        if (!server->Running()) GTEST_SKIP() << "no loopback HTTP server (python3 missing?)";
        out = home.Path() + "/Morvane_setup.exe";
    }

    // Runs a download to its end on the worker, pumping the user-interface thread meanwhile.
    void Run(CHttpDownloadThread& thread, const std::string& address)
    {
        thread.SetUrl(address.c_str());
        thread.SetOutPath(out.c_str());
        ASSERT_TRUE(thread.Execute(0));
        ASSERT_TRUE(MvPumpUntil([&] { return !thread.IsRunning(); }, 60000));
    }

    MvTestHome home;
    std::string www;
    std::string out;
    std::unique_ptr<MvLoopbackServer> server;
};

}

TEST_F(HttpDownload, WholeAnswerIsWrittenToTheFile)
{
    CHttpDownloadThread thread;
    Run(thread, server->Address("/download/setup.exe"));
    EXPECT_TRUE(thread.IsOk());
    EXPECT_EQ(Pattern(20000), FileText(out));
    EXPECT_EQ(0.0, thread.GetProgress());
    EXPECT_STREQ("Downloading setup.exe...", thread.GetText());

    // Larger than what the transfer keeps in memory at once.
    std::ofstream(www + "/big.bin", std::ios::binary) << Pattern(1000000);
    Run(thread, server->Address("/big.bin"));
    EXPECT_TRUE(thread.IsOk());
    EXPECT_EQ(Pattern(1000000), FileText(out));
}

TEST_F(HttpDownload, AnswersThatAreNotTheFileWriteNothing)
{
    const std::string cases[] = {
        "/download/setup.exe?mode=nolength",  // no content length
        "/small.bin",                         // 10,000 bytes or less
        "/download/setup.exe?mode=huge",      // beyond the size a download may have
        "/missing.exe",                       // an error page, however long
    };
    for (const std::string& path : cases) {
        CHttpDownloadThread thread;
        Run(thread, server->Address(path));
        EXPECT_FALSE(std::filesystem::exists(out)) << path;
        EXPECT_FALSE(thread.IsOk()) << path;
    }
    CHttpDownloadThread unreachable;
    Run(unreachable, "http://127.0.0.1:1/setup.exe");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_FALSE(unreachable.IsOk());
}

TEST_F(HttpDownload, ShortReadFailsAndLeavesTheFullBlocks)
{
    CHttpDownloadThread thread;
    Run(thread, server->Address("/download/setup.exe?mode=short"));
    EXPECT_FALSE(thread.IsOk());
    // 28,000 bytes announced, 20,000 sent: two whole blocks, the short third is not written.
    EXPECT_EQ(Pattern(20000).substr(0, 2 * 8192), FileText(out));
}

TEST_F(HttpDownload, OutputThatCannotBeCreatedFails)
{
    CHttpDownloadThread thread;
    out = home.Path() + "/no such folder/setup.exe";
    Run(thread, server->Address("/download/setup.exe"));
    EXPECT_FALSE(thread.IsOk());
}

TEST_F(HttpDownload, CancelEndsADownloadWhateverTheServerDoes)
{
    // The first blocks at once, then two bytes a second.
    CHttpDownloadThread thread;
    thread.SetUrl(server->Address("/drip/download/setup.exe").c_str());
    thread.SetOutPath(out.c_str());
    ASSERT_TRUE(thread.Execute(0));
    // The two whole blocks sent at once are in; the third can only come by drips.
    ASSERT_TRUE(MvPumpUntil([&] { return thread.GetProgress() * 1000000 >= 2 * 8192; }, 30000));
    thread.Cancel();
    ASSERT_TRUE(MvPumpUntil([&] { return !thread.IsRunning(); }, 30000));
    EXPECT_FALSE(thread.IsOk());
    EXPECT_EQ(Pattern(20000).substr(0, 2 * 8192), FileText(out));
}

TEST_F(HttpDownload, DestroyingARunningDownloadEndsIt)
{
    auto thread = std::make_unique<CHttpDownloadThread>();
    thread->SetUrl(server->Address("/drip/download/setup.exe").c_str());
    thread->SetOutPath(out.c_str());
    ASSERT_TRUE(thread->Execute(0));
    ASSERT_TRUE(MvPumpUntil([&] { return thread->GetProgress() * 1000000 >= 2 * 8192; }, 30000));
    // Returns although the server goes on sending; the file keeps the whole blocks only.
    thread.reset();
    EXPECT_EQ(Pattern(20000).substr(0, 2 * 8192), FileText(out));
}
