#include "win32/kernel/Files.h"
#include "win32/TestHome.h"
#include "win32/kernel/Threads.h"
#include "win32/WinError.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class Files : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return m_home.Path() + "/" + name; }
    MvTestHome m_home;
};

int sCompletions = 0;
DWORD sCompletedBytes = 0;

void OnWritten(DWORD error, DWORD bytes, LPOVERLAPPED)
{
    EXPECT_EQ(ERROR_SUCCESS, error);
    ++sCompletions;
    sCompletedBytes += bytes;
}

}

TEST_F(Files, WritesReadsSeeksAndMeasures)
{
    std::string path = Path("data.bin");
    HANDLE file = CreateFile(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "0123456789", 10, &written, nullptr));
    EXPECT_EQ(10u, written);
    EXPECT_EQ(4u, SetFilePointer(file, 4, nullptr, FILE_BEGIN));
    char buffer[16] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(file, buffer, sizeof(buffer), &read, nullptr));
    EXPECT_EQ(std::string("456789"), std::string(buffer, read));
    ASSERT_TRUE(ReadFile(file, buffer, sizeof(buffer), &read, nullptr));
    EXPECT_EQ(0u, read); // end of file is not a failure
    DWORD high = 1;
    EXPECT_EQ(10u, GetFileSize(file, &high));
    EXPECT_EQ(0u, high);
    EXPECT_EQ(INVALID_SET_FILE_POINTER, SetFilePointer(file, -20, nullptr, FILE_CURRENT));
    EXPECT_EQ(ERROR_NEGATIVE_SEEK, GetLastError());
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file));

    EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    EXPECT_EQ(ERROR_FILE_EXISTS, GetLastError());
    file = CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
    EXPECT_EQ(0u, GetFileSize(file, nullptr));
    CloseHandle(file);
}

TEST_F(Files, TellsAMissingFileFromAMissingFolder)
{
    struct Case {
        std::string path;
        DWORD error;
    } cases[] = {{Path("absent.txt"), ERROR_FILE_NOT_FOUND}, {Path("no/such/folder.txt"), ERROR_PATH_NOT_FOUND}};
    for (const auto& c : cases) {
        EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFile(c.path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(c.error, GetLastError()) << c.path;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributes(c.path.c_str()));
    }
    EXPECT_EQ(INVALID_HANDLE_VALUE, CreateFile(m_home.Path().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(ERROR_ACCESS_DENIED, GetLastError());
}

TEST_F(Files, FoldersAreCreatedAndRemoved)
{
    std::string folder = Path("sub");
    EXPECT_TRUE(CreateDirectory(folder.c_str(), nullptr));
    EXPECT_FALSE(CreateDirectory(folder.c_str(), nullptr));
    EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
    EXPECT_EQ(FILE_ATTRIBUTE_DIRECTORY, GetFileAttributes(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(CreateDirectory(Path("a/b").c_str(), nullptr));
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, GetLastError());
    EXPECT_FALSE(DeleteFile(folder.c_str()));
    EXPECT_TRUE(RemoveDirectory(folder.c_str()));
}

TEST_F(Files, OverlappedWritesCompleteOnlyInAnAlertableWait)
{
    sCompletions = 0;
    sCompletedBytes = 0;
    std::string path = Path("async.bin");
    HANDLE file = CreateFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_FLAG_OVERLAPPED, nullptr);
    OVERLAPPED first{}, second{};
    second.Offset = 5;
    ASSERT_TRUE(WriteFileEx(file, "world", 5, &second, OnWritten));
    ASSERT_TRUE(WriteFileEx(file, "hello", 5, &first, OnWritten));
    Sleep(1);
    EXPECT_EQ(0, sCompletions);
    EXPECT_EQ(WAIT_IO_COMPLETION, SleepEx(1000, TRUE));
    EXPECT_EQ(2, sCompletions);
    EXPECT_EQ(10u, sCompletedBytes);
    EXPECT_EQ(0u, SleepEx(0, TRUE));
    CloseHandle(file);
    HANDLE in = CreateFile(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    char buffer[16];
    DWORD read = 0;
    ReadFile(in, buffer, sizeof(buffer), &read, nullptr);
    EXPECT_EQ("helloworld", std::string(buffer, read));
    CloseHandle(in);
}
