#include "win32/settings/LockedFile.h"
#include "win32/settings/Profile.h"
#include "win32/settings/Registry.h"
#include "win32/settings/SettingsBatch.h"
#include "win32/kernel/ShellFolders.h"
#include "win32/TestHome.h"
#include "win32/WinError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class SettingsBatch : public ::testing::Test {
protected:
    std::string Folder() const { return m_home.Path() + "/config/Morvane"; }
    std::string Ini() const { return Folder() + "/batch.ini"; }
    static std::string Value(const std::string& file, const char* key)
    {
        char buffer[64] = {};
        GetPrivateProfileString("S", key, "<missing>", buffer, sizeof(buffer), file.c_str());
        return buffer;
    }
    static std::string FileText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    MvTestHome m_home;
};

TEST_F(SettingsBatch, ChangesLandTogetherWhenTheOutermostBatchEnds)
{
    ASSERT_TRUE(MvCreateFolders(Folder()));
    ASSERT_TRUE(WritePrivateProfileString("S", "a", "old", Ini().c_str()));
    {
        MvSettingsBatch outer;
        {
            MvSettingsBatch inner;
            ASSERT_TRUE(WritePrivateProfileString("S", "a", "new", Ini().c_str()));
        }
        ASSERT_TRUE(WritePrivateProfileString("S", "b", "added", Ini().c_str()));
        // This thread reads what it wrote; the file and other threads still see the old state.
        EXPECT_EQ("new", Value(Ini(), "a"));
        EXPECT_EQ("added", Value(Ini(), "b"));
        EXPECT_EQ(std::string::npos, FileText(Ini()).find("new"));
        std::string elsewhere;
        std::thread([&] { elsewhere = Value(Ini(), "a"); }).join();
        EXPECT_EQ("old", elsewhere);
    }
    EXPECT_EQ("new", Value(Ini(), "a"));
    EXPECT_EQ("added", Value(Ini(), "b"));
}

TEST_F(SettingsBatch, ABatchedRegistryKeyCanBeOpenedAndWrittenBeforeItLands)
{
    {
        MvSettingsBatch batch;
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Batch\\Deep", 0, nullptr, 0, KEY_ALL_ACCESS,
                                                nullptr, &key, nullptr));
        DWORD one = 1;
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(key, "One", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4));
        RegCloseKey(key);
        EXPECT_FALSE(std::filesystem::exists(Folder() + "/user.reg") &&
                     FileText(Folder() + "/user.reg").find("Batch") != std::string::npos);
    }
    EXPECT_NE(std::string::npos, FileText(Folder() + "/user.reg").find("[Software\\Batch\\Deep]\n\"One\"=dword:00000001"));
}

TEST_F(SettingsBatch, AWriterBetweenGetsItsChangesKept)
{
    ASSERT_TRUE(MvCreateFolders(Folder()));
    ASSERT_TRUE(WritePrivateProfileString("S", "a", "1", Ini().c_str()));
    {
        MvSettingsBatch batch;
        ASSERT_TRUE(WritePrivateProfileString("S", "mine", "batched", Ini().c_str()));
        std::thread([&] { WritePrivateProfileString("S", "theirs", "direct", Ini().c_str()); }).join();
    }
    EXPECT_EQ("batched", Value(Ini(), "mine"));
    EXPECT_EQ("direct", Value(Ini(), "theirs"));
}

TEST_F(SettingsBatch, PrivateBatchesLeaveTheirFilesToTheOwner)
{
    ASSERT_TRUE(MvCreateFolders(Folder()));
    ASSERT_TRUE(WritePrivateProfileString("S", "a", "1", Ini().c_str()));
    ASSERT_EQ(0, ::chmod(Ini().c_str(), 0644));
    {
        MvSettingsBatch batch;
        batch.KeepPrivate();
        ASSERT_TRUE(WritePrivateProfileString("S", "password", "x", Ini().c_str()));
    }
    struct stat st {};
    ASSERT_EQ(0, ::stat(Ini().c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 0777);
}

TEST_F(SettingsBatch, ABatchEndedOnAnotherThreadStillLandsAndEndsForItsOwn)
{
    ASSERT_TRUE(MvCreateFolders(Folder()));
    auto batch = std::make_unique<MvSettingsBatch>();
    ASSERT_TRUE(WritePrivateProfileString("S", "a", "batched", Ini().c_str()));
    std::thread([&] { batch.reset(); }).join();
    EXPECT_NE(std::string::npos, FileText(Ini()).find("a=batched"));
    EXPECT_FALSE(MvSettingsBatch::Active());
    ASSERT_TRUE(WritePrivateProfileString("S", "b", "direct", Ini().c_str()));
    EXPECT_NE(std::string::npos, FileText(Ini()).find("b=direct"));
}

// A process id that no process has any more.
pid_t DeadProcess()
{
    pid_t child = ::fork();
    if (child == 0) _exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST_F(SettingsBatch, TemporariesOfDeadProcessesGoAtTheNextSave)
{
    ASSERT_TRUE(MvCreateFolders(Folder()));
    struct Writer {
        const char* file;
        std::function<void()> save;
    };
    const std::string ini = Ini();
    const Writer writers[] = {
        {"user.reg",
         [] {
             HKEY key = nullptr;
             RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Stale", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
             RegCloseKey(key);
         }},
        {"batch.ini", [ini] { WritePrivateProfileString("S", "a", "1", ini.c_str()); }},
    };
    for (const auto& writer : writers) {
        const std::string path = Folder() + "/" + writer.file;
        const std::string dead = path + ".~" + std::to_string(DeadProcess()) + "-AbC123";
        const std::string alive = path + ".~1-XyZ789";       // the first process never ends
        const std::string other = Folder() + "/other.ini.~" + std::to_string(DeadProcess()) + "-1";
        const std::string unnamedOld = path + ".tmp-Q1w2E3", unnamedNew = path + ".tmp-R4t5Y6";
        for (const auto& leftover : {dead, alive, other, unnamedOld, unnamedNew}) std::ofstream(leftover) << "half a save";
        std::filesystem::last_write_time(unnamedOld, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
        writer.save();
        EXPECT_FALSE(std::filesystem::exists(unnamedOld)) << writer.file << ": an hour-old leftover without a process";
        EXPECT_TRUE(std::filesystem::exists(unnamedNew)) << writer.file << ": a save may be writing it";
        std::filesystem::remove(unnamedNew);
        EXPECT_FALSE(std::filesystem::exists(dead)) << writer.file;
        EXPECT_TRUE(std::filesystem::exists(alive)) << writer.file;
        EXPECT_TRUE(std::filesystem::exists(other)) << writer.file << ": another file's leftovers are its own";
        std::filesystem::remove(alive);
        std::filesystem::remove(other);
    }
}

}
