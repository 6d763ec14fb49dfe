#include "win32/kernel/FindFile.h"
#include "win32/kernel/Files.h"
#include "win32/WinError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Found {
    std::vector<std::string> names;
    std::vector<bool> folders;
};

Found FindAll(const std::string& pattern)
{
    Found found;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return found;
    do {
        found.names.push_back(data.cFileName);
        found.folders.push_back((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileA(find, &data));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
    EXPECT_TRUE(FindClose(find));
    return found;
}

TEST(FindFile, WildcardsListMatchingEntriesWithTheirKind)
{
    char pattern[] = "/tmp/mvfindXXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    std::string root = std::string(pattern) + "/";
    for (auto name : {"b.DLL", "a.dll", "noext", "c.txt"}) std::ofstream(root + name) << "x";
    fs::create_directory(root + "sub");

    Found all = FindAll(root + "*.*");
    EXPECT_EQ(all.names, (std::vector<std::string>{".", "..", "a.dll", "b.DLL", "c.txt", "noext", "sub"}))
        << "*.* takes names without a dot too";
    EXPECT_EQ(all.folders, (std::vector<bool>{true, true, false, false, false, false, true}));

    EXPECT_EQ(FindAll(root + "*.dll").names, (std::vector<std::string>{"a.dll", "b.DLL"})) << "case-insensitive";

    WIN32_FIND_DATAA data;
    EXPECT_EQ(FindFirstFileA((root + "*.wav").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FindFirstFileA((root + "missing/*.*").c_str(), &data), INVALID_HANDLE_VALUE);
    EXPECT_EQ(FindFirstFileA(nullptr, &data), INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FindNextFileA(INVALID_HANDLE_VALUE, &data));
    EXPECT_FALSE(FindClose(INVALID_HANDLE_VALUE));
    fs::remove_all(root);
}

} // namespace
