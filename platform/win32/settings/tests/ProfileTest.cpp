#include "win32/settings/Profile.h"
#include "win32/TestHome.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

class Profile : public ::testing::Test {
protected:
    std::string Path(const char* name = "test.ini") const { return m_home.Path() + "/" + name; }
    std::string Read(const std::string& path) const
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string Get(const char* section, const char* key, const char* fallback = "dflt")
    {
        char buffer[128];
        GetPrivateProfileString(section, key, fallback, buffer, sizeof(buffer), Path().c_str());
        return buffer;
    }
    MvTestHome m_home;
};

}

TEST_F(Profile, MissingKeysGiveTheDefaultAndNumbersReadBack)
{
    EXPECT_EQ("dflt", Get("Window", "Tray"));
    EXPECT_EQ(17u, GetPrivateProfileInt("Window", "Tray", 17, Path().c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Window", "Tray", "7", Path().c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Window", "Left", "-20", Path().c_str()));
    EXPECT_EQ(7u, GetPrivateProfileInt("WINDOW", "tray", 0, Path().c_str()));
    EXPECT_EQ(static_cast<UINT>(-20), GetPrivateProfileInt("window", "LEFT", 0, Path().c_str()));
    EXPECT_EQ("[Window]\nTray=7\nLeft=-20\n", Read(Path()));
}

TEST_F(Profile, ValuesAreTrimmedAndUnquotedAndNonNumbersReadAsZero)
{
    std::ofstream(Path()) << "; comment\n[S]\n  Key =  spaced value  \nQuoted=\"  in quotes \"\nWord=abc\nNum= 12abc\n";
    EXPECT_EQ("spaced value", Get("s", "key"));
    EXPECT_EQ("  in quotes ", Get("S", "Quoted"));
    EXPECT_EQ(0u, GetPrivateProfileInt("S", "Word", 5, Path().c_str()));
    EXPECT_EQ(12u, GetPrivateProfileInt("S", "Num", 5, Path().c_str()));
    char small[4];
    EXPECT_EQ(3u, GetPrivateProfileString("S", "Word", "", small, sizeof(small), Path().c_str()));
    EXPECT_STREQ("abc", small);
    EXPECT_EQ(2u, GetPrivateProfileString("S", "Key", "", small, 3, Path().c_str()));
    EXPECT_STREQ("sp", small);
}

TEST_F(Profile, AByteOrderMarkIsNoPartOfTheFirstSection)
{
    std::ofstream(Path(), std::ios::binary) << "\xEF\xBB\xBF[Settings]\nVoice=Anna\n";
    EXPECT_EQ("Anna", Get("Settings", "Voice"));
    ASSERT_TRUE(WritePrivateProfileString("Settings", "Rate", "3", Path().c_str()));
    EXPECT_EQ("\xEF\xBB\xBF[Settings]\nVoice=Anna\nRate=3\n", Read(Path()));
}

TEST_F(Profile, WritesKeepOtherLinesAndTheFilesLineEndings)
{
    std::ofstream(Path(), std::ios::binary) << "; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n";
    ASSERT_TRUE(WritePrivateProfileString("a", "Z", "3", Path().c_str()));
    ASSERT_TRUE(WritePrivateProfileString("A", "X", "9", Path().c_str()));
    EXPECT_EQ("; keep me\r\n[A]\r\nx=9\r\nZ=3\r\n\r\n[B]\r\ny=2\r\n", Read(Path()));
    ASSERT_TRUE(WritePrivateProfileString("B", nullptr, nullptr, Path().c_str()));
    ASSERT_TRUE(WritePrivateProfileString("A", "x", nullptr, Path().c_str()));
    EXPECT_EQ("; keep me\r\n[A]\r\nZ=3\r\n\r\n", Read(Path()));
}

TEST_F(Profile, ListsSectionsAndKeys)
{
    std::ofstream(Path()) << "[One]\na=1\nb=2\n[Two]\n";
    char buffer[64];
    DWORD n = GetPrivateProfileString(nullptr, nullptr, "", buffer, sizeof(buffer), Path().c_str());
    EXPECT_EQ(std::string("One\0Two\0", 8), std::string(buffer, n));
    n = GetPrivateProfileString("one", nullptr, "", buffer, sizeof(buffer), Path().c_str());
    EXPECT_EQ(std::string("a\0b\0", 4), std::string(buffer, n));
    EXPECT_EQ('\0', buffer[n]);
}

TEST_F(Profile, ACutListStaysInsideTheBuffer)
{
    std::ofstream(Path()) << "[abcdefgh]\n[x]\n";
    const std::string full("abcdefgh\0x\0", 11);
    for (DWORD size = 2; size <= 14; ++size) {
        SCOPED_TRACE(size);
        std::string buffer(size + 8, '#');
        DWORD n = GetPrivateProfileString(nullptr, nullptr, "", buffer.data(), size, Path().c_str());
        EXPECT_EQ(std::string(8, '#'), buffer.substr(size)) << "written past the buffer";
        if (size >= full.size() + 1) {
            EXPECT_EQ(full, buffer.substr(0, n));
        } else {
            ASSERT_EQ(size - 2, n);
            EXPECT_EQ(full.substr(0, n), buffer.substr(0, n));
            EXPECT_EQ(std::string(2, '\0'), buffer.substr(n, 2));
        }
    }
}

TEST_F(Profile, RefusesTextThatWouldBreakTheFile)
{
    ASSERT_TRUE(WritePrivateProfileString("S", "K", "v", Path().c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S", "K", "two\nlines", Path().c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S", "a=b", "v", Path().c_str()));
    EXPECT_FALSE(WritePrivateProfileString("S]", "K", "v", Path().c_str()));
    EXPECT_EQ("[S]\nK=v\n", Read(Path()));
}

TEST_F(Profile, BareNamesLieInTheSettingsFolder)
{
    ASSERT_TRUE(WritePrivateProfileString("S", "K", "v", "bare.ini"));
    EXPECT_EQ("[S]\nK=v\n", Read(m_home.Path() + "/config/Morvane/bare.ini"));
}
