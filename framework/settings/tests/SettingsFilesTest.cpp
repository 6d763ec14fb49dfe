#include "CPersistDataHost.h"
#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CPersistValueList.h"
#include "CRegistry.h"
#include "StApplicationId.h"
#include "StCrashGuard.h"
#include "UDirectoryUtils.h"
#include "UPersistStorage.h"
#include "UPersistUtils.h"
#include "win32/dialogs/CommonDialogs.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class Record : public CPersistObject {
public:
    LONG number = 0;
    CString text;
    void Clear() override
    {
        CPersistObject::Clear();
        number = 0;
        text.Empty();
    }
    void SaveSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::SaveSelf(n, s);
        s.Save("Number", number);
        s.Save("Text", text.GetString());
    }
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        s.Load("Number", number);
        UPersistUtils::Load(s, "Text", text);
    }
};

DWORD GuardMark()
{
    return CRegistry("Crash Guard", "Running").GetValue(99);
}

std::string UserFile(const char* name)
{
    return std::string(UDirectoryUtils::GetUserAppDataDirectory()) + name;
}

class SettingsFiles : public ::testing::Test {
protected:
    MvTestHome home;
};

}

TEST_F(SettingsFiles, AStorageLoadReportsACutStream)
{
    Record saved;
    saved.number = 42;
    saved.text = "some longer text";
    CPersistStorage whole;
    ASSERT_TRUE(UPersistStorage::Save(saved, "Settings", whole));
    ULONG size = 0;
    const unsigned char* bytes = whole.GetData(size);
    ASSERT_GT(size, 8u);
    CPersistStorage intact;
    intact.SetData(bytes, size);
    Record loaded;
    EXPECT_TRUE(UPersistStorage::Load(loaded, "Settings", intact));
    EXPECT_EQ(42, loaded.number);
    CPersistStorage cut;
    cut.SetData(bytes, size / 2);
    EXPECT_FALSE(UPersistStorage::Load(loaded, "Settings", cut));
}

TEST_F(SettingsFiles, DefaultFilesRoundTrip)
{
    Record saved;
    saved.number = 42;
    saved.text = "a <b> & c";
    ASSERT_TRUE(UPersistStorage::DefaultSave(saved, "Settings", "Data.xml"));
    Record loaded;
    ASSERT_TRUE(UPersistStorage::DefaultLoad(loaded, "Settings", "Data.xml"));
    EXPECT_EQ(42, loaded.number);
    EXPECT_EQ(CString("a <b> & c"), loaded.text);
    EXPECT_EQ(0u, GuardMark());
}

TEST_F(SettingsFiles, ALoadThatCrashedLastTimeIsSkippedOnce)
{
    Record saved;
    saved.number = 5;
    ASSERT_TRUE(UPersistStorage::DefaultSave(saved, "Settings", "Data.xml"));
    CRegistry("Crash Guard", "Running").SetValue(1);

    Record loaded;
    EXPECT_FALSE(UPersistStorage::DefaultLoad(loaded, "Settings", "Data.xml"));
    EXPECT_EQ(0, loaded.number);
    EXPECT_EQ(0u, GuardMark());
    EXPECT_TRUE(UPersistStorage::DefaultLoad(loaded, "Settings", "Data.xml"));
    EXPECT_EQ(5, loaded.number);
}

TEST_F(SettingsFiles, ANestedLoadLeavesTheMarkToTheOuterOne)
{
    {
        StCrashGuard outer;
        EXPECT_FALSE(StCrashGuard::CrashedLastTime());
        {
            StCrashGuard inner;
            EXPECT_TRUE(inner.Crashed());   // it sees the outer load's mark
            EXPECT_FALSE(StCrashGuard::CrashedLastTime());
        }
        // The outer load still runs: a crash now must be caught at the next start.
        EXPECT_EQ(1u, GuardMark());
        EXPECT_EQ(&outer, StCrashGuard::sGuard);
    }
    EXPECT_EQ(0u, GuardMark());
    EXPECT_EQ(nullptr, StCrashGuard::sGuard);
}

TEST_F(SettingsFiles, MissingOrForeignFilesLeaveTheObjectAlone)
{
    Record record;
    record.number = 3;
    EXPECT_FALSE(UPersistStorage::DefaultLoad(record, "Settings", "Missing.xml"));
    EXPECT_EQ(0u, GuardMark());
    UDirectoryUtils::EstablishPath(UserFile("Foreign.xml").c_str());
    std::ofstream(UserFile("Foreign.xml")) << "not xml at all";
    EXPECT_FALSE(UPersistStorage::SystemLoad(record, "Settings", "Missing.xml"));
    EXPECT_FALSE(UPersistStorage::DefaultLoad(record, "Settings", "Foreign.xml"));
    EXPECT_EQ(3, record.number);
}

TEST_F(SettingsFiles, DamagedOrNewerFilesLoadWhatTheyCan)
{
    const std::string header = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";
    const std::string start = header + "<Settings>\r\n<Number>42</Number>\r\n";
    const std::string noise("\x01\xFF\x00<\x80>\xFE</\x7F\x00\x00garbage", 20);
    const struct {
        const char* what;
        std::string bytes;
        bool loads;
        LONG number;
        const char* text;
    } cases[] = {
        {"empty", "", false, 3, "kept"},
        {"header only", header, false, 3, "kept"},
        {"binary", std::string("\x7F" "ELF\x02\x01\x01\x00\x00", 9) + noise, false, 3, "kept"},
        {"cut inside a value", start + "<Text>hal", true, 42, ""},
        {"cut inside a tag", start + "<Te", true, 42, ""},
        {"binary after the first value", start + noise, true, 42, ""},
        {"newer version", start + "<Future>\r\n<Mode>7</Mode>\r\n<obj_id>9</obj_id>\r\n<obj_ver>9000</obj_ver>\r\n"
                                  "</Future>\r\n<Text>hello</Text>\r\n<Unknown>x &amp; y</Unknown>\r\n"
                                  "<obj_id>5</obj_id>\r\n<obj_ver>9000</obj_ver>\r\n</Settings>\r\n",
         true, 42, "hello"},
    };
    for (const auto& c : cases) {
        std::string path = UserFile("Damaged.xml");
        UDirectoryUtils::EstablishPath(path.c_str());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
        Record record;
        record.number = 3;
        record.text = "kept";
        EXPECT_EQ(c.loads, UPersistStorage::DefaultLoad(record, "Settings", "Damaged.xml")) << c.what;
        EXPECT_EQ(c.number, record.number) << c.what;
        EXPECT_EQ(CString(c.text), record.text) << c.what;
        EXPECT_EQ(0u, GuardMark()) << c.what;
    }
}

TEST_F(SettingsFiles, ASaveThatCannotBeWrittenReportsFailure)
{
    std::string blocker = std::string(UDirectoryUtils::GetUserAppDataDirectory()) + "blocker";
    UDirectoryUtils::EstablishPath(blocker.c_str());
    std::ofstream(blocker) << "x";
    Record record;
    EXPECT_FALSE(UPersistStorage::DefaultSave(record, "Settings", "blocker/Data.xml"));
}

TEST_F(SettingsFiles, BinaryFilesHoldWholeObjects)
{
    std::string path = UserFile("record.bin");
    UDirectoryUtils::EstablishPath(path.c_str());
    Record saved;
    saved.number = -7;
    saved.text = "binary";
    ASSERT_TRUE(UPersistUtils::Save(path.c_str(), saved));

    Record loaded;
    loaded.number = 9;
    EXPECT_FALSE(UPersistUtils::Load(UserFile("none.bin").c_str(), loaded));
    EXPECT_EQ(9, loaded.number);
    ASSERT_TRUE(UPersistUtils::Load(path.c_str(), loaded));
    EXPECT_EQ(-7, loaded.number);
    EXPECT_EQ(CString("binary"), loaded.text);

    std::ofstream(path, std::ios::binary | std::ios::trunc) << "\x01\x02";
    EXPECT_FALSE(UPersistUtils::Load(path.c_str(), loaded));
}

TEST_F(SettingsFiles, PasswordsAreScrambledReversibly)
{
    const char* texts[] = {"secret", "p@ss w0rd!", "\xC3\xA9t\xC3\xA9"};
    for (const char* text : texts) {
        CString scrambled = UPersistUtils::Encrypt(text);
        EXPECT_EQ(-1, scrambled.Find(text));
        EXPECT_EQ(CString(text), UPersistUtils::Decrypt(scrambled));
    }
    EXPECT_EQ(CString(""), UPersistUtils::Decrypt(UPersistUtils::Encrypt("")));

    // Longer than the shared text ring: nothing may be cut or read past.
    std::string longText(200000, 'k');
    longText[199999] = 'z';
    CString scrambled = UPersistUtils::Encrypt(longText.c_str());
    EXPECT_EQ(400000, scrambled.GetLength());
    EXPECT_EQ(CString(longText.c_str()), UPersistUtils::Decrypt(scrambled));
    EXPECT_EQ(CString(longText.c_str()), UPersistUtils::Decrypt(CString(scrambled) + "A"));   // odd digit dropped
}

TEST_F(SettingsFiles, TheDataHostDescribesItsFiles)
{
    CPersistDataHost host;
    EXPECT_EQ(CString("Data"), host.GetFileDescription());
    EXPECT_EQ(CString("Data.xml"), host.GetDefaultFileName());
    EXPECT_FALSE(host.SaveDefault());   // no data object: nothing done
    Record record;
    record.number = 11;
    host.SetData(&record);
    EXPECT_TRUE(host.SaveDefault());
    record.number = 0;
    EXPECT_TRUE(host.LoadDefault());
    EXPECT_EQ(11, record.number);
}

TEST_F(SettingsFiles, PromptedFilesUseOneFilterAndKeepTheObjectOnAForeignFile)
{
    StApplicationId application(98102);
    CPersistDataHost host;
    Record record;
    record.number = 21;
    host.SetData(&record);
    std::string path = UserFile("chosen.xml");
    UDirectoryUtils::EstablishPath(path.c_str());

    MvTakeShownFileDialogs();
    MvFileDialogAnswer save;
    save.ok = true;
    save.paths = {path};
    MvScriptFileDialog(save);
    ASSERT_TRUE(host.SaveData());
    auto shown = MvTakeShownFileDialogs();
    ASSERT_EQ(1u, shown.size());
    EXPECT_TRUE(shown[0].save);
    ASSERT_EQ(1u, shown[0].filters.size());
    EXPECT_EQ(std::string(host.GetFileDescription()) + "(*.xml)", shown[0].filters[0].first);
    EXPECT_EQ("*.xml", shown[0].filters[0].second);

    record.number = 0;
    MvScriptFileDialog(save);
    ASSERT_TRUE(host.LoadData());
    EXPECT_EQ(21, record.number);

    std::ofstream(path, std::ios::trunc) << "no settings here";
    MvScriptFileDialog(save);
    EXPECT_FALSE(host.LoadData());
    EXPECT_EQ(21, record.number);

    MvScriptFileDialog(MvFileDialogAnswer{});
    EXPECT_FALSE(host.SaveData());
    MvTakeShownFileDialogs();
}

TEST_F(SettingsFiles, AFailedLoadIsReportedAndLeavesTheObjectAsItWas)
{
    // A count no file of that size can hold: the load runs out of its allowance of absent values.
    const std::string path = UserFile("Hostile.xml");
    UDirectoryUtils::EstablishPath(path.c_str());
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Settings>\r\n<count>2000000000</count>\r\n</Settings>\r\n";
    CPersistValueList values;
    values.Add(5);
    values.Add(6);
    EXPECT_FALSE(UPersistStorage::DefaultLoad(values, "Settings", "Hostile.xml"));
    ASSERT_EQ(2, values.GetItemCount());
    EXPECT_EQ(5, values.GetAt(0));
    EXPECT_EQ(6, values.GetAt(1));
    EXPECT_EQ(0u, GuardMark());

    // The same through a binary file cut short.
    CPersistValueList longer;
    for (LONG v = 1; v <= 50; ++v) longer.Add(v);
    const std::string binary = UserFile("Values.bin");
    ASSERT_TRUE(UPersistUtils::Save(binary.c_str(), longer));
    std::filesystem::resize_file(binary, std::filesystem::file_size(binary) / 2);
    EXPECT_FALSE(UPersistUtils::Load(binary.c_str(), values));
    ASSERT_EQ(2, values.GetItemCount());
    EXPECT_EQ(6, values.GetAt(1));
}

TEST_F(SettingsFiles, ASaveRemovesTheLeftoversOfDeadProcesses)
{
    Record record;
    ASSERT_TRUE(UPersistStorage::DefaultSave(record, "Settings", "Data.xml"));
    pid_t gone = ::fork();
    if (gone == 0) _exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = UserFile("Data.xml") + ".~" + std::to_string(gone) + "-0";
    const std::string alive = UserFile("Data.xml") + ".~1-0";
    for (const auto& leftover : {dead, alive}) std::ofstream(leftover) << "<?xml version=";
    ASSERT_TRUE(UPersistStorage::DefaultSave(record, "Settings", "Data.xml"));
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(alive)) << "a running process may still be saving";
}
