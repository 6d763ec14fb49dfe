#include "CHwRegistry.h"
#include "CIniProfile.h"
#include "CRegistry.h"
#include "StApplicationId.h"
#include "URegistryUtils.h"
#include "USystemUtils.h"

#include "win32/settings/Registry.h"
#include "win32/TestHome.h"
#include "win32/WinError.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

class Settings : public ::testing::Test {
protected:
    static bool KeyExists(HKEY root, const char* path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyEx(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }

    static void SetRawText(const char* path, const char* name, const std::string& text)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
        RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }

    MvTestHome m_home;
    StApplicationId m_id{98102};
};

}

TEST_F(Settings, AFreshValueReadsTheDefaultAndLeavesItsKeysBehind)
{
    CRegistry debug("Debug", "Enable");
    EXPECT_EQ(0u, debug.GetValue(0));
    EXPECT_EQ(9u, debug.GetValue(9));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "software\\Morvane\\zTellora\\Debug"));
    EXPECT_STREQ("Morvane", debug.GetCompanyKey());
    EXPECT_STREQ("zTellora", debug.GetApplicationKey());

    debug.SetValue(1);
    EXPECT_EQ(1u, CRegistry("Debug", "Enable").GetValue(0));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\MORVANE\\ztellora\\debug", 0, KEY_READ, &key));
    DWORD value = 0, size = 4, type = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "Enable", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size));
    EXPECT_EQ(REG_DWORD, type);
    EXPECT_EQ(1u, value);
    RegCloseKey(key);
}

TEST_F(Settings, TheMachineFlagMovesTheValueUnderTheMachinesRoot)
{
    CRegistry debug("Debug", "Enable");
    debug.SetCurrentUser(false);
    debug.SetValue(3);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "software\\Morvane\\zTellora\\Debug"));
    EXPECT_EQ(0u, CRegistry("Debug", "Enable").GetValue(0));
    EXPECT_EQ(3u, debug.GetValue(0));
}

TEST_F(Settings, CompanyApplicationAndNumberedNamesShapeThePath)
{
    CRegistry numbered(5, 3);
    EXPECT_STREQ("5", numbered.GetSection());
    EXPECT_STREQ("3", numbered.GetKey());
    numbered.SetCompany("Acme");
    numbered.SetApplication("Tool");
    numbered.SetTextValue("x");
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, "software\\Acme\\Tool\\5"));
    EXPECT_STREQ("none", CRegistry("5", 3).GetTextValue("none")); // the default company and application
    CRegistry copy(numbered);
    EXPECT_STREQ("x", copy.GetTextValue("none"));
}

TEST_F(Settings, TextValuesReadBackExactlyAndMissingOnesGiveTheDefault)
{
    CRegistry text("Text", "Face");
    EXPECT_STREQ("Arial", text.GetTextValue("Arial"));
    EXPECT_STREQ("", text.GetTextValue(nullptr));
    text.SetTextValue("");
    EXPECT_STREQ("", text.GetTextValue("Arial")); // present but empty is not missing
    text.SetTextValue("Times \"New\" \\ Roman");
    EXPECT_STREQ("Times \"New\" \\ Roman", text.GetTextValue("Arial"));
}

TEST_F(Settings, ATextReadAsANumberGivesItsBytesOrTheDefault)
{
    struct Case {
        std::string text;
        DWORD expected;
    } cases[] = {
        {"a", 0x61u},        // 2 bytes: the rest of the number stays zero
        {"abc", 0x00636261u}, // exactly 4 bytes with its terminator
        {"abcd", 77u},        // 5 bytes do not fit: the default
    };
    for (const auto& c : cases) {
        SetRawText("software\\Morvane\\zTellora\\Mixed", "Value", c.text);
        EXPECT_EQ(c.expected, CRegistry("Mixed", "Value").GetValue(77)) << c.text;
    }
}

TEST_F(Settings, AProfileTakesTheWritesInstead)
{
    CIniProfile profile;
    std::string path = m_home.Path() + "/settings.ini";
    profile.SetIniFile(path.c_str());
    EXPECT_EQ(path, profile.GetInitFile());
    CRegistry tray("Window", "Tray", &profile);
    tray.SetValue(7);
    EXPECT_EQ(7u, tray.GetValue(0));
    CRegistry negative("Window", "Left", &profile);
    negative.SetValue(static_cast<DWORD>(-5));
    EXPECT_EQ(static_cast<DWORD>(-5), negative.GetValue(0));
    CRegistry missing("Window", "Missing", &profile);
    EXPECT_STREQ("fallback", missing.GetTextValue("fallback"));
    EXPECT_EQ(4u, missing.GetValue(4));
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ("[Window]\nTray=7\nLeft=-5\n", text.str());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "software\\Morvane\\zTellora\\Window"));

    tray.SetIniFile(nullptr);
    EXPECT_EQ(0u, tray.GetValue(0));
}

TEST_F(Settings, HardwareValuesAreReadOnly)
{
    CHwRegistry version("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "CurrentVersion");
    EXPECT_STREQ("5.1", version.GetTextValue(""));
    version.SetTextValue("6.0");
    EXPECT_STREQ("5.1", version.GetTextValue(""));
    CHwRegistry missing("SOFTWARE\\Nothing\\Here", "Value");
    EXPECT_EQ(12u, missing.GetValue(12));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Nothing"));
    EXPECT_EQ(5, USystemUtils::GetKernelVersion());
}

TEST_F(Settings, RegistryPathsAreReadAndKeysEnumerated)
{
    SetRawText("software\\Vendor\\Product", "Path", "/opt/product");
    EXPECT_STREQ("/opt/product", URegistryUtils::GetRegistryTextValue(false, "software\\Vendor\\Product\\Path"));
    EXPECT_STREQ("", URegistryUtils::GetRegistryTextValue(false, "software\\Vendor\\Product\\Nothing"));
    EXPECT_STREQ("", URegistryUtils::GetRegistryTextValue(false, "nobackslash"));
    EXPECT_STREQ("", URegistryUtils::GetRegistryTextValue(false, nullptr));
    EXPECT_STREQ("", URegistryUtils::GetRegistryTextValue(false, "NoSuchTop\\Value"));
    EXPECT_EQ(nullptr, URegistryUtils::GetRegistryKeyTextValue(nullptr, "x"));

    HKEY software = URegistryUtils::GetTopRegistryForEnum(false, "software");
    ASSERT_NE(nullptr, software);
    EXPECT_STREQ("Vendor", URegistryUtils::EnumKey(software, 0));
    EXPECT_STREQ("", URegistryUtils::EnumKey(software, 1));
    EXPECT_STREQ("", URegistryUtils::EnumKey(software, -1));
    URegistryUtils::CloseRegistry(software);
}
