#include "CPersistObject.h"
#include "CPersistStorage.h"
#include "CWebXml.h"
#include "afx/internet/CInternetFile.h"
#include "UPersistUtils.h"
#include "integration/LoopbackServers.h"
#include "integration/TestCertificates.h"
#include "win32/TestHome.h"

#include "FileText.h"

#include <gtest/gtest.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>

namespace {

class VersionRecord : public CPersistObject {
public:
    CString version;
    void LoadSelf(const char* n, CPersistStorage& s) override
    {
        CPersistObject::LoadSelf(n, s);
        UPersistUtils::Load(s, "version", version);
    }
};

class WebXmlExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("no_proxy", "127.0.0.1", 1);
        www = home.Path() + "/www";
        std::filesystem::create_directories(www + "/Scripts");
        server = std::make_unique<MvLoopbackServer>(MvLoopbackServer::kHttp, www);
        if (!server->Running()) GTEST_SKIP() << "no loopback HTTP server (python3 missing?)";
        site = "http://127.0.0.1:" + std::to_string(server->Port());
    }

    MvTestHome home;
    std::string www;
    std::string site;
    std::unique_ptr<MvLoopbackServer> server;
};

}

TEST_F(WebXmlExchange, PostsTheFormAndLoadsTheAnswer)
{
    // The address is sent in lower case: the script is found under its lower-case name.
    std::filesystem::create_directories(www + "/scripts");
    std::ofstream(www + "/scripts/version.php", std::ios::binary)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<reply>\r\n<result>1</result>\r\n"
           "<message>Up to date</message>\r\n<data><version>3.0</version></data>\r\n</reply>";
    VersionRecord record;
    CWebXml web;
    web.SetSite(site.c_str());
    web.SetPath("/Scripts/Version.php");
    web.SetObject(&record);
    web.AddParam("id", 98102);
    web.AddParam("name", "a b");
    ASSERT_TRUE(web.Run()) << web.GetMessage().GetString();
    EXPECT_EQ(CString("Up to date"), web.GetMessage());
    EXPECT_EQ(CString("3.0"), record.version);
    EXPECT_EQ("/scripts/version.php\napplication/x-www-form-urlencoded\nid=98102&name=a%20b\n",
              FileText(www + "/last_request"));
}

TEST_F(WebXmlExchange, AnswerLinesAreJoinedAndBounded)
{
    std::ofstream(www + "/lines.txt", std::ios::binary) << "one\ntwo\r\nthree";
    CWebXml web;
    web.SetSite(site.c_str());
    web.SetPath("/lines.txt");
    EXPECT_EQ(CString("one\r\ntwo\r\nthree"), web.RunUrl());

    {
        std::ofstream huge(www + "/huge.txt", std::ios::binary);
        for (int i = 0; i < 3000; ++i) huge << std::string(999, 'x') << '\n';
    }
    web.SetPath("/huge.txt");
    EXPECT_EQ(CWebXml::kMaxAnswer, web.RunUrl().GetLength());
    // One line longer than a line may be keeps its start only.
    std::ofstream(www + "/line.txt", std::ios::binary) << std::string(200000, 'y');
    web.SetPath("/line.txt");
    EXPECT_EQ(static_cast<int>(CInternetFile::kMaxLine), web.RunUrl().GetLength());
    EXPECT_FALSE(web.Run());
}

TEST_F(WebXmlExchange, SecureSiteIsOnlyAskedWhenItsCertificateHolds)
{
    MvTestCertificates certificates(home.Path() + "/certificates");
    if (!certificates.Made()) GTEST_SKIP() << "no certificates (openssl missing?)";
    setenv("MORVANE_CA_FILE", certificates.Authority().c_str(), 1);
    const std::string folder = home.Path() + "/tls";
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/check.php", std::ios::binary)
        << "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<reply><result>1</result></reply>";
    const struct {
        const char* what;
        MvTestCertificates::Pair certificate;
        bool trusted;
    } cases[] = {
        {"signed by the trusted authority", certificates.Valid(), true},
        {"for another name", certificates.OtherName(), false},
        {"out of date", certificates.Expired(), false},
        {"from an unknown authority", certificates.UnknownAuthority(), false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder + "/last_request");
        MvLoopbackServer tls(MvLoopbackServer::kHttps, folder, c.certificate.certificate, c.certificate.key);
        if (!tls.Running()) GTEST_SKIP() << "no loopback HTTPS server (python3 missing?)";
        const std::string site = "https://127.0.0.1:" + std::to_string(tls.Port());
        CWebXml web;
        web.SetSite(site.c_str());
        web.SetPath("/check.php");
        web.AddParam("id", 98102);
        EXPECT_EQ(c.trusted, web.Run()) << c.what;
        if (c.trusted) {
            EXPECT_EQ("/check.php\napplication/x-www-form-urlencoded\nid=98102\n", FileText(folder + "/last_request"));
        } else {
            // Not a byte of the form reached the server.
            EXPECT_FALSE(std::filesystem::exists(folder + "/last_request")) << c.what;
            EXPECT_EQ(CString(("Unable to connect to " + site).c_str()), web.GetMessage()) << c.what;
        }
    }
    unsetenv("MORVANE_CA_FILE");
}

TEST_F(WebXmlExchange, AnswerThatDripsEndsAtTheTimeLimit)
{
    // Two bytes a second, never a line break, a million announced: only the time limit ends it.
    CWebXml web;
    web.SetSite(site.c_str());
    web.SetPath("/drip/");
    auto run = std::async(std::launch::async, [&web] { return web.Run(); });
    ASSERT_EQ(std::future_status::ready, run.wait_for(std::chrono::milliseconds(CWebXml::kTimeLimitMs * 6)));
    EXPECT_FALSE(run.get());
}
