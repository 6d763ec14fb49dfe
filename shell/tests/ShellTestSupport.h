#pragma once
// A loopback web service for the version check: the answer to "version/" under the
// service's address, which "links.ini" points at the server. It is an https server whose
// certificate an authority of the test's own signed, trusted through MORVANE_CA_FILE.
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "integration/LoopbackServers.h"
#include "integration/TestCertificates.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

class ShellServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("no_proxy", "127.0.0.1", 1);
        www = home.Path() + "/www";
        std::filesystem::create_directories(www + "/api/version");
        certificates = std::make_unique<MvTestCertificates>(home.Path() + "/certificates");
        if (!certificates->Made()) GTEST_SKIP() << "no certificates (openssl missing?)";
        setenv("MORVANE_CA_FILE", certificates->Authority().c_str(), 1);
        server = std::make_unique<MvLoopbackServer>(MvLoopbackServer::kHttps, www, certificates->Valid().certificate,
                                                    certificates->Valid().key);
        if (!server->Running()) GTEST_SKIP() << "no loopback HTTPS server (python3 missing?)";
        const std::string links = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
        UDirectoryUtils::EstablishPath(links.c_str());
        std::ofstream(links) << "[Api]\nLink=" << server->Address("/api/") << "\n";
        MvSetShellOpenHandler([](const std::string&) { return true; });
        MvTakeShownMessageBoxes();
        MvTakeShellOpens();
    }
    void TearDown() override
    {
        MvSetShellOpenHandler(nullptr);
        unsetenv("MORVANE_CA_FILE");
    }

    void WriteAnswer(const std::string& text) { std::ofstream(www + "/api/version/index", std::ios::binary) << text; }
    void Answer(const char* version, const char* url, long upgradeId)
    {
        WriteAnswer(std::string("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<reply>\r\n<result>1</result>\r\n"
                                "<data>\r\n<version>") +
                    version + "</version>\r\n<download_url>" + url + "</download_url>\r\n<upgrade_id>" +
                    std::to_string(upgradeId) + "</upgrade_id>\r\n</data>\r\n</reply>");
    }

    MvTestHome home;
    StApplicationId app{98102};
    std::string www;
    std::unique_ptr<MvTestCertificates> certificates;
    std::unique_ptr<MvLoopbackServer> server;
};
