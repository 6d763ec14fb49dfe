#include "win32/settings/Registry.h"
#include "win32/settings/LockedFile.h"
#include "win32/kernel/ShellFolders.h"
#include "win32/TestHome.h"
#include "win32/WinError.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class Registry : public ::testing::Test {
protected:
    std::string UserFile() const { return m_home.Path() + "/config/Morvane/user.reg"; }

    std::string FileText() const
    {
        std::ifstream in(UserFile(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void WriteFileText(const std::string& text) const
    {
        MvCreateFolders(m_home.Path() + "/config/Morvane");
        std::ofstream(UserFile(), std::ios::binary) << text;
    }

    static HKEY Create(const char* path, REGSAM access = KEY_ALL_ACCESS)
    {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, nullptr, 0, access, nullptr, &key, nullptr));
        return key;
    }

    static std::string Text(HKEY key, const char* name)
    {
        char buffer[256] = {};
        DWORD size = sizeof(buffer), type = 0;
        if (RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) return "<missing>";
        EXPECT_EQ(REG_SZ, type);
        return std::string(buffer, size - 1);
    }

    static DWORD Number(HKEY key, const char* name)
    {
        DWORD value = 0, size = sizeof(value);
        EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size));
        return value;
    }

    static void SetText(HKEY key, const char* name, const std::string& text)
    {
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                               static_cast<DWORD>(text.size() + 1)));
    }

    static void SetNumber(HKEY key, const char* name, DWORD value)
    {
        EXPECT_EQ(ERROR_SUCCESS, RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4));
    }

    MvTestHome m_home;
};

}

TEST_F(Registry, ValuesPersistInTheUsersFileAndIgnoreCase)
{
    HKEY key = Create("software\\Morvane\\zTellora\\Debug");
    SetNumber(key, "Enable", 1);
    SetText(key, "Name", "caf\xC3\xA9 \"quoted\" back\\slash\nline");
    RegCloseKey(key);

    HKEY again = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\morvane\\ZTELLORA\\debug", 0, KEY_READ, &again));
    EXPECT_EQ(1u, Number(again, "ENABLE"));
    EXPECT_EQ("caf\xC3\xA9 \"quoted\" back\\slash\nline", Text(again, "name"));
    RegCloseKey(again);

    std::string file = FileText();
    EXPECT_NE(std::string::npos, file.find("[Software\\Morvane\\zTellora\\Debug]\n\"Enable\"=dword:00000001\n")) << file;
}

TEST_F(Registry, KeysKeepTheirFirstSpellingAndEnumerateInNameOrder)
{
    for (const char* name : {"Beta", "alpha", "ALPHA", "Gamma"}) RegCloseKey(Create((std::string("software\\") + name).c_str()));
    HKEY key = Create("software");
    std::vector<std::string> names;
    char name[64];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof(name);
        LONG result = RegEnumKeyEx(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        ASSERT_EQ(ERROR_SUCCESS, result);
        EXPECT_EQ(strlen(name), size);
        names.push_back(name);
    }
    EXPECT_EQ((std::vector<std::string>{"alpha", "Beta", "Gamma"}), names);
    DWORD small = 3;
    EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyEx(key, 0, name, &small, nullptr, nullptr, nullptr, nullptr));
    RegCloseKey(key);
}

TEST_F(Registry, QueriesReportSizesAndMissingThings)
{
    HKEY key = Create("software\\Sizes");
    SetText(key, "Text", "12345");
    SetText(key, "Empty", "");
    DWORD size = 0, type = 0;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, "Text", nullptr, &type, nullptr, &size));
    EXPECT_EQ(6u, size);
    DWORD number = 0;
    size = sizeof(number);
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueEx(key, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size));
    EXPECT_EQ(6u, size);
    EXPECT_EQ("", Text(key, "Empty"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueEx(key, "Nothing", nullptr, nullptr, nullptr, &size));
    HKEY missing = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "software\\Nowhere", 0, KEY_READ, &missing));
    EXPECT_EQ(nullptr, missing);
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteValue(key, "Text"));
    EXPECT_EQ("<missing>", Text(key, "Text"));
    RegCloseKey(key);
}

TEST_F(Registry, AccessRightsOfTheHandleAreEnforced)
{
    RegCloseKey(Create("software\\Locked"));
    HKEY readOnly = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "software\\Locked", 0, KEY_READ, &readOnly));
    DWORD one = 1;
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegSetValueEx(readOnly, "X", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4));
    HKEY child = nullptr;
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegCreateKeyEx(readOnly, "Child", 0, nullptr, 0, KEY_READ, nullptr, &child, nullptr));
    RegCloseKey(readOnly);

    HKEY enumOnly = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_CURRENT_USER, "software", 0, KEY_ENUMERATE_SUB_KEYS, &enumOnly));
    DWORD size = 0;
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegQueryValueEx(enumOnly, "X", nullptr, nullptr, nullptr, &size));
    RegCloseKey(enumOnly);
    EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(reinterpret_cast<HKEY>(&size)));
}

TEST_F(Registry, DeletingKeysAndUsingDeletedKeys)
{
    HKEY parent = Create("software\\Parent");
    HKEY child = Create("software\\Parent\\Child");
    EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKey(HKEY_CURRENT_USER, "software\\Parent"));
    EXPECT_EQ(ERROR_SUCCESS, RegDeleteKey(parent, "Child"));
    DWORD one = 1;
    EXPECT_EQ(ERROR_KEY_DELETED, RegSetValueEx(child, "X", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4));
    RegCloseKey(child);
    RegCloseKey(parent);
}

TEST_F(Registry, TheMachineRootIsAFileOfItsOwnAndAnswersAsWindowsXp)
{
    HKEY machine = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_LOCAL_MACHINE, "software\\Morvane\\zTellora\\Debug", 0, nullptr, 0,
                                            KEY_ALL_ACCESS, nullptr, &machine, nullptr));
    SetNumber(machine, "Enable", 7);
    RegCloseKey(machine);
    HKEY user = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "software\\Morvane", 0, KEY_READ, &user));

    HKEY version = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0, KEY_READ, &version));
    EXPECT_EQ("5.1", Text(version, "CurrentVersion"));
    RegCloseKey(version);
    std::ifstream file(m_home.Path() + "/config/Morvane/machine.reg");
    EXPECT_TRUE(file.good());
}

TEST_F(Registry, DamagedFilesGiveWhatIsReadableAndAreNotMadeWorse)
{
    const std::string damaged =
        "[software\\Good]\n"
        "\"Kept\"=dword:0000002a\n"
        "\"Broken\"=dword:zz\n"
        "this line means nothing\n"
        "[software\\Bad\x01Name]\n"
        "\"Lost\"=\"under a bad heading\"\n"
        "[software\\Good\\Later]\n"
        "\"Text\"=\"fine\"\n"
        "\"Cut\"=\"no end";
    WriteFileText(damaged);
    HKEY good = Create("software\\Good");
    EXPECT_EQ(42u, Number(good, "Kept"));
    EXPECT_EQ("<missing>", Text(good, "Broken"));
    HKEY later = Create("software\\Good\\Later");
    EXPECT_EQ("fine", Text(later, "Text"));
    SetNumber(good, "Added", 5);
    RegCloseKey(later);
    RegCloseKey(good);

    std::string file = FileText();
    for (const char* line : {"\"Broken\"=dword:zz\n", "this line means nothing\n", "[software\\Bad\x01Name]\n",
                             "\"Lost\"=\"under a bad heading\"\n", "\"Cut\"=\"no end\n", "\"Added\"=dword:00000005\n"})
        EXPECT_NE(std::string::npos, file.find(line)) << line << " missing from\n" << file;
    // The value under the unreadable heading did not move into another key.
    HKEY check = Create("software\\Good");
    EXPECT_EQ("<missing>", Text(check, "Lost"));
    RegCloseKey(check);
}

TEST_F(Registry, EmptyAndBinaryFilesReadAsEmpty)
{
    for (const std::string& bytes : {std::string(), std::string("\0\xff\xfe[\0]\"\n\x01", 10)}) {
        WriteFileText(bytes);
        HKEY key = Create("software\\Fresh");
        SetText(key, "V", "x");
        EXPECT_EQ("x", Text(key, "V"));
        RegCloseKey(key);
    }
}

TEST_F(Registry, AnOversizedFileIsReadButNeverRewritten)
{
    std::string big = "[software\\Big]\n\"First\"=dword:00000009\n";
    big += "; " + std::string(MvLockedFile::kMaxSize, 'x') + "\n";
    WriteFileText(big);
    HKEY key = Create("software\\Big");
    EXPECT_EQ(9u, Number(key, "First"));
    DWORD one = 1;
    EXPECT_NE(ERROR_SUCCESS, RegSetValueEx(key, "Second", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4));
    RegCloseKey(key);
    EXPECT_EQ(big.size(), FileText().size());
}

TEST_F(Registry, TwoProcessesWritingAtOnceLoseNothing)
{
    RegCloseKey(Create("software\\Race"));
    const int kWrites = 60;
    pid_t children[2];
    for (int c = 0; c < 2; ++c) {
        children[c] = fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0) {
            HKEY key = nullptr;
            if (RegOpenKeyEx(HKEY_CURRENT_USER, "software\\Race", 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) _exit(2);
            for (DWORD i = 0; i < kWrites; ++i) {
                std::string name = "p" + std::to_string(c) + "-" + std::to_string(i);
                if (RegSetValueEx(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<BYTE*>(&i), 4) != ERROR_SUCCESS) _exit(3);
            }
            _exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    HKEY key = Create("software\\Race");
    for (int c = 0; c < 2; ++c)
        for (DWORD i = 0; i < kWrites; ++i) {
            std::string name = "p" + std::to_string(c) + "-" + std::to_string(i);
            EXPECT_EQ(i, Number(key, name.c_str())) << name;
        }
    RegCloseKey(key);
}
