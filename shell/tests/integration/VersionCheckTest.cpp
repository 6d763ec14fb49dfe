#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UDirectoryUtils.h"
#include "UMorvaneWebUtils.h"
#include "integration/LoopbackServers.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/Messages.h"
#include "win32/kernel/Threads.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"

#include "FileText.h"
#include "ShellTestSupport.h"

#include <gtest/gtest.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

namespace {

class VersionCheck : public ShellServerTest {
protected:
    // Has "links.ini" name another address for the service, in the form it has now.
    void MoveService(const std::string& address)
    {
        const std::string links = std::string(UDirectoryUtils::GetCommonAppDataDirectory()) + "links.ini";
        std::string text = FileText(links);
        const std::string service = server->Address("/api/");
        ASSERT_NE(std::string::npos, text.find(service));
        text.replace(text.find(service), service.size(), address);
        std::ofstream(links) << text;
    }
};

} // namespace

TEST_F(VersionCheck, AnswersTheInstallerOnlyForAnAcceptedFreeUpgrade)
{
    const std::string name = UApplicationUtils::GetApplicationName(98102);
    const std::string url = server->Address("/Morvane_setup.exe");
    struct Case {
        const char* version;
        long upgradeId;
        const char* downloadUrl;
        int answer;  // scripted Yes/No, 0 when no question comes
        std::string expected;
        std::string box;
        bool opensUpgradePage;
        bool refusesTheAddress = false;
    } cases[] = {
        {"5.0", 98102, nullptr, 0, "", "You have the latest " + name + " installed.", false},
        {"4.9.9", 98102, nullptr, 0, "", "You have the latest " + name + " installed.", false},
        {"5.0.0.7", 98102, nullptr, 0, "", "You have the latest " + name + " installed.", false},
        {"5.1", 98102, nullptr, IDYES, url,
         name + " v5.1 is now available. This is a free upgrade. Would you like to update now?", false},
        {"5.0.3", 5, nullptr, IDNO, "",
         name + " v5.0.3 is now available. This is a free upgrade. Would you like to update now?", false},
        // Compared unsigned: a negative id is a very large one.
        {"6.0", -1, nullptr, 0, "", name + " v6.0 is now available. This is a major version upgrade?", true},
        {"6.0", 98103, nullptr, 0, "", name + " v6.0 is now available. This is a major version upgrade?", true},
        // An installer address that is not https is refused, and the user told so.
        {"5.1", 98102, "file:///etc/passwd", IDYES, "", name + " v5.1 is now available. This is a free upgrade.", false,
         true},
        {"5.1", 98102, "http://127.0.0.1:1/Morvane_setup.exe", IDYES, "",
         name + " v5.1 is now available. This is a free upgrade.", false, true},
    };
    for (const Case& c : cases) {
        Answer(c.version, c.downloadUrl ? c.downloadUrl : url.c_str(), c.upgradeId);
        if (c.answer) MvScriptMessageBoxAnswer(c.answer);
        EXPECT_EQ(c.expected, std::string(UMorvaneWebUtils::CheckVersion().GetString())) << c.version;
        std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
        ASSERT_EQ(c.refusesTheAddress ? 2u : 1u, boxes.size()) << c.version;
        EXPECT_EQ(0u, boxes[0].text.find(c.box)) << boxes[0].text;
        if (c.refusesTheAddress) {
            EXPECT_EQ("The update installer was not downloaded: its address is not a secure (https) address.",
                      boxes[1].text);
        }
        std::vector<std::string> opens = MvTakeShellOpens();
        EXPECT_EQ(c.opensUpgradePage ? 1u : 0u, opens.size()) << c.version;
    }
    EXPECT_EQ("/api/version/\napplication/x-www-form-urlencoded\nid=98102\n", FileText(www + "/last_request"));
}

TEST_F(VersionCheck, RefusedAnswerShowsNothingAndSaysWhatFailed)
{
    const std::string kProlog = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";
    const struct {
        std::string answer;
        CString failure;
    } cases[] = {
        {kProlog + "<reply><result>0</result><message>unknown application</message></reply>", "unknown application"},
        {kProlog + "<reply><result>0</result><message>two\nlines</message></reply>", "two lines"},
        {"<reply><result>0</result><message>no prolog</message></reply>",
         "The update service gave no answer that could be read."},
        {"not xml at all", "The update service gave no answer that could be read."},
    };
    for (const auto& c : cases) {
        WriteAnswer(c.answer);
        CString failure = "stale";
        EXPECT_TRUE(UMorvaneWebUtils::CheckVersion(&failure).IsEmpty());
        EXPECT_EQ(c.failure, failure) << c.answer;
        EXPECT_TRUE(UMorvaneWebUtils::CheckVersion().IsEmpty());
        EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
    }
    // A check that was made leaves no failure, whatever it found.
    Answer("5.0", server->Address("/Morvane_setup.exe").c_str(), 98102);
    CString failure = "stale";
    EXPECT_TRUE(UMorvaneWebUtils::CheckVersion(&failure).IsEmpty());
    EXPECT_TRUE(failure.IsEmpty());
    EXPECT_EQ(1u, MvTakeShownMessageBoxes().size());
    // Nothing listens at the address.
    MoveService("https://127.0.0.1:1/api/");
    EXPECT_TRUE(UMorvaneWebUtils::CheckVersion(&failure).IsEmpty());
    EXPECT_EQ(CString("Unable to connect to https://127.0.0.1:1/api/"), failure);
}

TEST_F(VersionCheck, ServiceThatIsNotHttpsIsNotAsked)
{
    // The same answer from a plain http server that "links.ini" now names.
    const std::string plainFolder = home.Path() + "/plain";
    std::filesystem::create_directories(plainFolder + "/api/version");
    MvLoopbackServer plain(MvLoopbackServer::kHttp, plainFolder);
    ASSERT_TRUE(plain.Running());
    Answer("5.1", server->Address("/Morvane_setup.exe").c_str(), 98102);
    std::filesystem::copy_file(www + "/api/version/index", plainFolder + "/api/version/index");
    MoveService(plain.Address("/api/"));

    CString failure;
    EXPECT_TRUE(UMorvaneWebUtils::CheckVersion(&failure).IsEmpty());
    EXPECT_EQ(CString("The update service was not asked: its address is not a secure (https) address."), failure);
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
    EXPECT_FALSE(std::filesystem::exists(plainFolder + "/last_request"));
}

TEST_F(VersionCheck, ServiceThatDripsEndsTheCheckAtItsTimeLimit)
{
    // Two bytes a second and never a line break, from the service's own address.
    MoveService(server->Address("/drip/api/"));
    struct Outcome {
        CString url;
        CString failure;
        bool handledWhileWaiting = false;
    };
    auto check = std::async(std::launch::async, [] {
        // Posted before the check starts: handled at all before it ends means handled while
        // it waited, as a repaint would be.
        Outcome outcome;
        MvSetThreadMessageHook([&outcome](const MSG& msg) { outcome.handledWhileWaiting |= msg.message == WM_APP; });
        PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
        outcome.url = UMorvaneWebUtils::CheckVersion(&outcome.failure);
        MvSetThreadMessageHook(nullptr);
        return outcome;
    });
    ASSERT_EQ(std::future_status::ready, check.wait_for(std::chrono::seconds(120)));
    const Outcome outcome = check.get();
    EXPECT_TRUE(outcome.url.IsEmpty());
    EXPECT_EQ(CString("The update service gave no answer that could be read."), outcome.failure);
    EXPECT_TRUE(outcome.handledWhileWaiting);
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}
