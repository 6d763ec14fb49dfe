#include "CHandle.h"
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "UFileUtils.h"

#include "win32/TestHome.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Folders : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return m_home.Path() + "/" + name; }
    static bool IsFolder(const std::string& path)
    {
        struct stat st;
        return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    static void Touch(const std::string& path, const std::string& text = "x") { std::ofstream(path) << text; }
    MvTestHome m_home;
};

}

TEST(UFileUtils, SplitsAndRebuildsPaths)
{
    struct Case {
        const char* path;
        const char* extension;
        const char* nameOnly;
        const char* withoutExtension;
        const char* pathOnly;
    } cases[] = {
        {"/a.b/file", "", "file", "file", "/a.b"},
        {"x.tar.gz", "gz", "x.tar.gz", "x.tar", "x.tar.gz"},
        {"/d/f.wav", "wav", "f.wav", "f", "/d"},
        {"/d/.hidden", "hidden", ".hidden", "", "/d"},
        {"/d/caf\xC3\xA9.mp3", "mp3", "caf\xC3\xA9.mp3", "caf\xC3\xA9", "/d"},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.extension, UFileUtils::GetFileExtension(c.path)) << c.path;
        EXPECT_STREQ(c.nameOnly, UFileUtils::GetFileNameOnly(c.path)) << c.path;
        EXPECT_STREQ(c.withoutExtension, UFileUtils::GetFileNameWithoutExtension(c.path)) << c.path;
        EXPECT_STREQ(c.pathOnly, UFileUtils::GetPathOnly(c.path)) << c.path;
    }
    EXPECT_STREQ("/d/f.mp3", UFileUtils::ReplaceExtension("/d/f.wav", "mp3"));
    EXPECT_STREQ("/d/f.mp3", UFileUtils::ReplaceExtension("/d/f.wav", ".mp3"));
    EXPECT_STREQ("/d/f", UFileUtils::ReplaceExtension("/d/f.wav", ""));
    EXPECT_STREQ("", UFileUtils::ReplaceExtension("", "mp3"));
    EXPECT_STREQ("/d/report 2.wav", UFileUtils::GetNumberedFileName("/d/report.wav", 1));
    EXPECT_STREQ("/d/report.wav", UFileUtils::GetNumberedFileName("/d/report.wav", 0));
    EXPECT_STREQ("/d/report 100000.wav", UFileUtils::GetNumberedFileName("/d/report.wav", 99999));
}

TEST_F(Folders, FilesAreTestedMeasuredAndNumbered)
{
    std::string file = Path("f.wav");
    EXPECT_FALSE(UFileUtils::FileExist(file.c_str()));
    EXPECT_FALSE(UFileUtils::FileExist(nullptr));
    EXPECT_FALSE(UFileUtils::FileExist(Path("no/folder/f.wav").c_str()));
    EXPECT_STREQ(file.c_str(), UFileUtils::GetNonExistingFileName(file.c_str()));
    Touch(file, "12345");
    EXPECT_TRUE(UFileUtils::FileExist(file.c_str()));
    EXPECT_EQ(5, UFileUtils::GetFileSize(file.c_str()));
    EXPECT_EQ(0, UFileUtils::GetFileSize(Path("none").c_str()));
    EXPECT_EQ(Path("f 2.wav"), UFileUtils::GetNonExistingFileName(file.c_str()));
    Touch(Path("f 2.wav"));
    EXPECT_EQ(Path("f 3.wav"), UFileUtils::GetNonExistingFileName(file.c_str()));
    UFileUtils::DeleteFileA(file.c_str());
    EXPECT_FALSE(UFileUtils::FileExist(file.c_str()));
}

TEST_F(Folders, WholeFilesAreWrittenAtomicallyAndReadBack)
{
    std::string file = Path("data.bin");
    const unsigned char bytes[] = {0, 1, 2, 255};
    ASSERT_TRUE(UFileUtils::WriteFile(file.c_str(), bytes, sizeof(bytes)));
    CHandle data;
    ASSERT_TRUE(UFileUtils::ReadFile(file.c_str(), data));
    ASSERT_EQ(4u, data.GetSize());
    EXPECT_EQ(0, memcmp(bytes, data.GetBuffer(), 4));

    // A write that cannot happen reports failure and leaves the old file whole.
    chmod(m_home.Path().c_str(), 0500);
    bool canStillWrite = access(m_home.Path().c_str(), W_OK) == 0; // running as root ignores the mode
    if (!canStillWrite) {
        EXPECT_FALSE(UFileUtils::WriteFile(file.c_str(), bytes, 2));
        EXPECT_EQ(4, UFileUtils::GetFileSize(file.c_str()));
    }
    chmod(m_home.Path().c_str(), 0700);
    EXPECT_FALSE(UFileUtils::WriteFile(Path("missing/folder/x").c_str(), bytes, 2));

    ASSERT_TRUE(UFileUtils::WriteFile(file.c_str(), nullptr, 0));
    EXPECT_TRUE(UFileUtils::ReadFile(file.c_str(), data));
    EXPECT_EQ(0u, data.GetSize());
    EXPECT_FALSE(UFileUtils::ReadFile(Path("none").c_str(), data));
    // No temporary file is left behind.
    EXPECT_FALSE(UFileUtils::FileExist((file + ".~0").c_str()));
}

TEST_F(Folders, FoldersAreCreatedLevelByLevel)
{
    std::string deep = Path("a/b/c");
    ASSERT_TRUE(UDirectoryUtils::CreateDirectoryIfNotExist(deep.c_str()));
    EXPECT_TRUE(IsFolder(Path("a")) && IsFolder(Path("a/b")) && IsFolder(deep));
    EXPECT_TRUE(UDirectoryUtils::CreateDirectoryIfNotExist((Path("x/y") + "/").c_str()));
    EXPECT_TRUE(IsFolder(Path("x/y")));
    EXPECT_TRUE(UDirectoryUtils::EstablishPath(Path("p/q/file.txt").c_str()));
    EXPECT_TRUE(IsFolder(Path("p/q")));
    EXPECT_FALSE(IsFolder(Path("p/q/file.txt")));
    EXPECT_TRUE(UDirectoryUtils::EstablishPath("bare-file.txt"));
    EXPECT_FALSE(UDirectoryUtils::CreateDirectoryIfNotExist("relative-without-slash"));
    Touch(Path("plain"));
    EXPECT_FALSE(UDirectoryUtils::CreateDirectoryIfNotExist(Path("plain/sub").c_str()));
}

TEST_F(Folders, ExistTestsFoldersWithoutMovingTheCurrentDirectory)
{
    char before[4096], after[4096];
    ASSERT_NE(nullptr, getcwd(before, sizeof(before)));
    EXPECT_TRUE(UDirectoryUtils::Exist(m_home.Path().c_str()));
    Touch(Path("file"));
    EXPECT_FALSE(UDirectoryUtils::Exist(Path("file").c_str()));
    EXPECT_FALSE(UDirectoryUtils::Exist(Path("none").c_str()));
    EXPECT_FALSE(UDirectoryUtils::Exist(nullptr));
    ASSERT_NE(nullptr, getcwd(after, sizeof(after)));
    EXPECT_STREQ(before, after);
}

TEST_F(Folders, TheStandardFoldersLieUnderTheTestsHome)
{
    EXPECT_EQ(m_home.Path() + "/Documents/", UDirectoryUtils::GetMyDocumentsDirectory());
    EXPECT_EQ(m_home.Path() + "/Documents/Clips/", UDirectoryUtils::GetMyDocumentsSubDirectory("Clips"));
    EXPECT_EQ(m_home.Path() + "/data/Morvane G5/", UDirectoryUtils::GetCommonAppDataDirectory());
    EXPECT_EQ(m_home.Path() + "/data/Morvane G5/Common/", UDirectoryUtils::GetUserAppDataDirectory());
    {
        StApplicationId id(98102);
        EXPECT_EQ(m_home.Path() + "/data/Morvane G5/Tellora/", UDirectoryUtils::GetUserAppDataDirectory());
    }
    // The getters name the family folders without creating them.
    EXPECT_FALSE(IsFolder(m_home.Path() + "/data/Morvane G5"));
    std::string program = UDirectoryUtils::GetAppDirectory();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ('/', program.back());
    EXPECT_TRUE(IsFolder(program));
    EXPECT_EQ(program + "help/", UDirectoryUtils::GetAppSubDirectory("help"));
}
