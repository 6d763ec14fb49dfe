#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UDirectoryUtils.h"
#include "UMediaFileExtension.h"
#include "UShellUtils.h"
#include "UWebAddresses.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"

#include "FileText.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string LinksPath()
{
    return std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
}

class WebAddresses : public ::testing::Test {
protected:
    MvTestHome home;
};

}

TEST_F(WebAddresses, MissingFileGetsTheDefaultUnderTheTagAsked)
{
    ASSERT_FALSE(std::filesystem::exists(LinksPath()));
    const CString address = UWebAddresses::GetXvidDownloadAddress();
    EXPECT_EQ(UWebAddresses::GetDefaultAddress(), address);
    const std::string written = FileText(LinksPath());
    // The tag names the section, as the links menu reads it.
    EXPECT_NE(std::string::npos, written.find("[Download Xvid]"));
    EXPECT_NE(std::string::npos, written.find("Link=" + std::string(address)));
    EXPECT_EQ(std::string::npos, written.find("Download DX"));
    EXPECT_EQ(std::string::npos, written.find("[Link]"));
}

TEST_F(WebAddresses, EditedAddressIsReturnedUnchecked)
{
    UDirectoryUtils::CreateDirectoryIfNotExist(UDirectoryUtils::GetCommonAppDataDirectory());
    std::ofstream(LinksPath()) << "[Download TTS English]\nLink=not even an address\n[Download QT]\nLink=http://example.org/qt\n"
                               << "[Link]\nDownload QT=http://example.org/old-layout\n";
    EXPECT_EQ(CString("not even an address"), UWebAddresses::GetTtsEngineDownloadAddress());
    EXPECT_EQ(CString("http://example.org/qt"), UWebAddresses::GetAddressByTag("Download QT"));
}

TEST_F(WebAddresses, ProductAddressFollowsTheApplicationId)
{
    ASSERT_EQ(nullptr, StApplicationId::sId);
    EXPECT_EQ(UWebAddresses::GetDefaultAddress(), UWebAddresses::GetProductAddress());
    EXPECT_FALSE(std::filesystem::exists(LinksPath()));

    StApplicationId id(98102);
    UDirectoryUtils::CreateDirectoryIfNotExist(UDirectoryUtils::GetCommonAppDataDirectory());
    const std::string tag = UApplicationUtils::GetShortApplicationName(98102);
    ASSERT_FALSE(tag.empty());
    std::ofstream(LinksPath()) << "[" << tag << "]\nLink=http://example.org/speech\n";
    EXPECT_EQ(CString("http://example.org/speech"), UWebAddresses::GetProductAddress());
}

TEST(ShellOpen, OpensTheTextWithTheShell)
{
    std::vector<std::string> opened;
    MvSetShellOpenHandler([&](const std::string& t) { opened.push_back(t); return true; });
    MvTakeShellOpens();
    UShellUtils::Open("http://example.org/page");
    UShellUtils::Open(nullptr);
    MvSetShellOpenHandler(nullptr);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ("http://example.org/page", opened[0]);
}

TEST(MediaFileExtension, ContainerTypes)
{
    struct Case {
        ESplitterType type;
        const char* audio;
        const char* video;
    };
    const Case cases[] = {
        {100, "avi", "avi"},   {110, "err", "avi"},  {120, "err", "divx"}, {130, "err", "xvid"},
        {200, "wma", "wmv"},   {250, "wma", "wmv"},  {251, "err", "wmv"},  {252, "err", "wmv"},
        {300, "mpa", "mpg"},   {400, "mpa", "mpg"},  {350, "mp3", "err"},  {500, "wav", "err"},
        {600, "mov", "mov"},   {601, "mov", "err"},  {620, "err", "flc"},  {630, "err", "3gp"},
        {631, "err", "3g2"},   {650, "aif", "err"},  {700, "mp4", "mp4"},  {900, "err", "dv"},
        {1100, "ogg", "ogm"},  {1200, "mka", "mkv"}, {1300, "err", "swf"}, {1600, "err", "gif"},
        {1700, "err", "Images"}, {1800, "err", ""},  {999, "err", "err"},  {0, "err", "err"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CString(c.audio), UMediaFileExtension::GetAudioFileExtension(c.type)) << c.type;
        EXPECT_EQ(CString(c.video), UMediaFileExtension::GetVideoFileExtension(c.type)) << c.type;
    }
}

TEST(MediaFileExtension, ImageFormatsAreCaseSensitive)
{
    EXPECT_EQ(CString("Images/n.bmp"), UMediaFileExtension::GetImageFileExtension("BMP"));
    EXPECT_EQ(CString("Images/n.gif"), UMediaFileExtension::GetImageFileExtension("GIF"));
    EXPECT_EQ(CString("Images/n.jpg"), UMediaFileExtension::GetImageFileExtension("JPG"));
    EXPECT_EQ(CString("Images/n.jpg"), UMediaFileExtension::GetImageFileExtension("JPEG"));
    EXPECT_EQ(CString("err"), UMediaFileExtension::GetImageFileExtension("jpg"));
    EXPECT_EQ(CString("err"), UMediaFileExtension::GetImageFileExtension(nullptr));
}
