#include "CFtpInfo2.h"
#include "CRegistryPersistStorage.h"
#include "DataTestSupport.h"
#include "UDirectoryUtils.h"
#include "UPersistStorage.h"
#include "UPersistUtils.h"
#include "win32/TestHome.h"

#include <string>
#include <string_view>
#include <sys/stat.h>

TEST(FtpInfo, ANewRecordUsesPort21AndActiveMode)
{
    CFtpInfo2 ftp;
    NoticeLog log(ftp);
    EXPECT_EQ(21u, ftp.GetPort());
    EXPECT_FALSE(ftp.GetPassive());
    EXPECT_FALSE(ftp.SetPort(0));
    EXPECT_TRUE(ftp.SetPort(2121));
    EXPECT_TRUE(ftp.SetPort(0));
    EXPECT_EQ(21u, ftp.GetPort());
    EXPECT_TRUE(ftp.SetPassive(true));
    EXPECT_FALSE(ftp.SetPassive(true));
    EXPECT_EQ((Codes{"ftp7", "ftp7", "ftp8"}), log.codes);
}

TEST(FtpInfo, EachTextHasItsOwnNotice)
{
    using Setter = bool (CFtpInfo2::*)(const char*);
    using Getter = const CString& (CFtpInfo2::*)() const;
    const struct {
        Setter set;
        Getter get;
        const char* code;
    } properties[] = {
        {&CFtpInfo2::SetServer, &CFtpInfo2::GetServer, "ftp3"},
        {&CFtpInfo2::SetUserName, &CFtpInfo2::GetUserName, "ftp5"},
        {&CFtpInfo2::SetPassword, &CFtpInfo2::GetPassword, "ftp6"},
        {&CFtpInfo2::SetPath1, &CFtpInfo2::GetPath1, "ftp9"},
        {&CFtpInfo2::SetPath2, &CFtpInfo2::GetPath2, "ftp:"},
        {&CFtpInfo2::SetPath3, &CFtpInfo2::GetPath3, "ftp;"},
        {&CFtpInfo2::SetPath4, &CFtpInfo2::GetPath4, "ftp<"},
    };
    for (const auto& p : properties) {
        CFtpInfo2 ftp;
        NoticeLog log(ftp);
        EXPECT_TRUE((ftp.*p.set)("x y")) << p.code;
        EXPECT_FALSE((ftp.*p.set)("x y")) << p.code;
        EXPECT_STREQ("x y", (ftp.*p.get)()) << p.code;
        EXPECT_EQ((Codes{p.code}), log.codes);
    }
}

TEST(FtpInfo, TheServerIsAskedForBeforeTheFirstPath)
{
    CFtpInfo2 ftp;
    NoticeLog log(ftp);
    EXPECT_STREQ("Please enter the server address.", ftp.Validate(true));
    ftp.SetPath1("/upload");
    EXPECT_STREQ("Please enter the server address.", ftp.Validate(false));
    ftp.SetServer("ftp.example.org");
    ftp.SetPath1("");
    ftp.SetPath2("/second");
    EXPECT_STREQ("Please enter the upload file path.", ftp.Validate(true));
    ftp.SetPath1("/upload");
    EXPECT_EQ(nullptr, ftp.Validate(true));
    // Validation notices only when notifying and only for a message.
    Codes validations;
    for (const std::string& code : log.codes)
        if (code == "2") validations.push_back(code);
    EXPECT_EQ(2u, validations.size());
}

TEST(FtpInfo, ThePasswordIsNeverStoredPlain)
{
    CFtpInfo2 ftp;
    ftp.SetServer("ftp.example.org");
    ftp.SetUserName("me");
    ftp.SetPassword("s3cret pass");
    ftp.SetPort(2100);
    ftp.SetPassive(true);
    ftp.SetPath1("/1");
    ftp.SetPath2("/2");
    ftp.SetPath3("/3");
    ftp.SetPath4("/4");

    CPersistStorage out;
    ftp.Save("Settings", out);
    ULONG size = 0;
    const unsigned char* bytes = out.GetData(size);
    std::string_view binary(reinterpret_cast<const char*>(bytes), size);
    EXPECT_EQ(std::string_view::npos, binary.find("s3cret"));
    std::string xml = XmlText(ftp);
    EXPECT_EQ(std::string::npos, xml.find("s3cret"));
    for (const char* key : {"server", "user_name", "password", "port", "passive", "path_1", "path_2", "path_3", "path_4"})
        EXPECT_TRUE(HasElement(xml, key)) << key;

    CFtpInfo2 assigned;
    assigned = ftp;
    for (auto copy : {BinaryCopy(ftp), XmlLoad<CFtpInfo2>(xml), std::make_shared<CFtpInfo2>(assigned)}) {
        EXPECT_STREQ("ftp.example.org", copy->GetServer());
        EXPECT_STREQ("me", copy->GetUserName());
        EXPECT_STREQ("s3cret pass", copy->GetPassword());
        EXPECT_EQ(2100u, copy->GetPort());
        EXPECT_TRUE(copy->GetPassive());
        EXPECT_STREQ("/1", copy->GetPath1());
        EXPECT_STREQ("/2", copy->GetPath2());
        EXPECT_STREQ("/3", copy->GetPath3());
        EXPECT_STREQ("/4", copy->GetPath4());
    }
}

namespace {

unsigned Permissions(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 0777 : 01000;
}

}

TEST(FtpInfo, FilesHoldingThePasswordAreTheOwnersAlone)
{
    MvTestHome home;
    const std::string folder = UDirectoryUtils::GetUserAppDataDirectory();
    CFtpInfo2 ftp;
    ftp.SetServer("ftp.example.org");
    ftp.SetPassword("secret");

    ASSERT_TRUE(UPersistStorage::DefaultSave(ftp, "Settings", "Ftp.xml"));
    EXPECT_EQ(0600u, Permissions(folder + "Ftp.xml"));
    const std::string binary = folder + "Ftp.bin";
    ASSERT_TRUE(UPersistUtils::Save(binary.c_str(), ftp));
    EXPECT_EQ(0600u, Permissions(binary));
    {
        CRegistryPersistStorage storage("Ftp");
        ftp.Save("Ftp", storage);
    }
    EXPECT_EQ(0600u, Permissions(home.Path() + "/config/Morvane/user.reg"));
    const std::string ini = folder + "ftp.ini";
    {
        CRegistryPersistStorage storage("Ftp", ini.c_str());
        ftp.Save("Ftp", storage);
    }
    EXPECT_EQ(0600u, Permissions(ini));

    // A file that an earlier save left open to others is closed to them by the next one.
    ASSERT_EQ(0, ::chmod((folder + "Ftp.xml").c_str(), 0644));
    ASSERT_TRUE(UPersistStorage::DefaultSave(ftp, "Settings", "Ftp.xml"));
    EXPECT_EQ(0600u, Permissions(folder + "Ftp.xml"));
}
