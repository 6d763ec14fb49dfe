#include "CFileCopyJob.h"
#include "CFileCopyThread.h"
#include "FileText.h"
#include "win32/controls/CtlButton.h"
#include "win32/controls/CtlWindow.h"
#include "win32/dialogs/Dialog.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr __int64 kMiB = 1024 * 1024;

std::string Pattern(size_t n, int seed)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>((i * 13 + seed) % 253);
    return bytes;
}

// Records the size of every read; can hold its second read until the test lets it go.
class RecordingJob : public CFileCopyJob {
public:
    std::vector<DWORD> reads;
    std::atomic<bool>* holdSecond = nullptr;
    std::atomic<bool> holding{false};
    DWORD Read(unsigned char* buffer, DWORD count) override
    {
        if (holdSecond && reads.size() == 1) {
            holding = true;
            while (*holdSecond) std::this_thread::yield();
        }
        reads.push_back(count);
        return CFileCopyJob::Read(buffer, count);
    }
};

void Click(HWND dialog, int id)
{
    auto button = CtlModelAs<CtlButton>(GetDlgItem(dialog, id));
    ASSERT_NE(button, nullptr) << "button " << id;
    button->UserClick();
}

class FileCopy : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A question nobody scripted would wait forever: fail and answer No instead.
        MvSetModalHandler([](HWND h) {
            ADD_FAILURE() << "unexpected question";
            Click(h, IDNO);
        });
    }
    void TearDown() override { MvSetModalHandler(nullptr); }

    std::string MakeFile(const char* name, const std::string& bytes)
    {
        const std::string path = home.Path() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    RecordingJob* Job(const std::string& source, __int64 start, __int64 end, const char* target,
                      EFileReplace how = kFileReplaceReplace)
    {
        auto* job = new RecordingJob;
        job->Add(source.c_str());
        job->SetStart(start);
        job->SetEnd(end);
        job->SetToFilePath((home.Path() + "/" + target).c_str());
        job->SetFileOption(how);
        return job;
    }
    void RunToEnd(CFileCopyThread& thread)
    {
        ASSERT_TRUE(thread.Execute(0));
        ASSERT_TRUE(MvPumpUntil([&] { return !thread.IsRunning(); }, 60000));
    }

    MvTestHome home;
};

}

TEST_F(FileCopy, RangeIsCopiedInBlocksAcrossSegments)
{
    const std::string first = Pattern(3 * kMiB, 1);
    const std::string second = Pattern(3 * kMiB, 2);
    RecordingJob* job = Job(MakeFile("part1.bin", first), 0, 0, "out.bin");
    job->Add(MakeFile("part2.bin", second).c_str());
    job->SetStart(kMiB / 2);
    job->SetEnd(kMiB / 2 + 5 * kMiB);
    EXPECT_EQ(5 * kMiB, job->GetLength());
    EXPECT_EQ(0, job->GetDone());
    job->Copy(nullptr);
    EXPECT_EQ((std::vector<DWORD>{2 * kMiB, 2 * kMiB, kMiB}), job->reads);
    EXPECT_EQ((first + second).substr(kMiB / 2, 5 * kMiB), FileText(home.Path() + "/out.bin"));
    EXPECT_EQ(5 * kMiB, job->GetDone());
    delete job;
}

TEST_F(FileCopy, ShortSourceEndsTheCopyAndMissingSourceWritesNothing)
{
    RecordingJob* job = Job(MakeFile("small.bin", Pattern(1000, 3)), 100, 5000, "out.bin");
    job->Copy(nullptr);
    EXPECT_EQ(Pattern(1000, 3).substr(100), FileText(home.Path() + "/out.bin"));
    delete job;

    RecordingJob* missing = Job(home.Path() + "/none.bin", 0, 10, "none_out.bin");
    missing->Copy(nullptr);
    EXPECT_FALSE(std::filesystem::exists(home.Path() + "/none_out.bin"));
    delete missing;
}

TEST_F(FileCopy, OneApplyToAllAnswerServesTheRun)
{
    const std::string source = MakeFile("source.bin", Pattern(3000, 4));
    CFileCopyThread thread;
    for (const char* target : {"a.bin", "b.bin", "c.bin"}) {
        MakeFile(target, "old");
        thread.AddJob(Job(source, 0, 1000, target, kFileReplaceAsk));
    }
    int asked = 0;
    MvScriptModal([&](HWND h) {
        ++asked;
        Click(h, 10082);
        Click(h, IDYES);
    });
    RunToEnd(thread);
    EXPECT_EQ(1, asked);
    for (const char* target : {"a.bin", "b.bin", "c.bin"})
        EXPECT_EQ(Pattern(1000, 4), FileText(home.Path() + "/" + target)) << target;
    EXPECT_EQ(1.0, thread.GetProgress());

    // A new run asks again; No keeps every old target.
    MakeFile("a.bin", "old");
    MakeFile("b.bin", "old");
    MakeFile("c.bin", "old");
    MvScriptModal([&](HWND h) {
        ++asked;
        Click(h, 10082);
        Click(h, IDNO);
    });
    RunToEnd(thread);
    EXPECT_EQ(2, asked);
    for (const char* target : {"a.bin", "b.bin", "c.bin"}) EXPECT_EQ("old", FileText(home.Path() + "/" + target));
    thread.Reset();
    EXPECT_EQ(0, thread.GetJobCount());
}

TEST_F(FileCopy, CancelKeepsTheBlocksWrittenAndStartsNoFurtherJob)
{
    const std::string source = MakeFile("source.bin", Pattern(5 * kMiB, 5));
    CFileCopyThread thread;
    std::atomic<bool> hold{true};
    thread.AddJob(Job(source, 0, kMiB, "one.bin"));
    RecordingJob* held = Job(source, 0, 5 * kMiB, "two.bin");
    held->holdSecond = &hold;
    thread.AddJob(held);
    thread.AddJob(Job(source, 0, kMiB, "three.bin"));
    EXPECT_EQ(0.0, thread.GetProgress());
    EXPECT_STREQ("", thread.GetText());

    ASSERT_TRUE(thread.Execute(0));
    ASSERT_TRUE(MvPumpUntil([&] { return held->holding.load(); }, 60000));
    EXPECT_DOUBLE_EQ(3.0 / 7.0, thread.GetProgress());
    EXPECT_STREQ("Copying source.bin...", thread.GetText());
    thread.Cancel();
    hold = false;
    ASSERT_TRUE(MvPumpUntil([&] { return !thread.IsRunning(); }, 60000));

    EXPECT_EQ(Pattern(kMiB, 5), FileText(home.Path() + "/one.bin"));
    EXPECT_EQ(Pattern(4 * kMiB, 5), FileText(home.Path() + "/two.bin"));
    EXPECT_FALSE(std::filesystem::exists(home.Path() + "/three.bin"));
    thread.Reset();
}
