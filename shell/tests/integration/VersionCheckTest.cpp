#include "StApplicationId.h"
#include "UApplicationUtils.h"
#include "UDirectoryUtils.h"
#include "UMorvaneWebUtils.h"
#include "integration/LoopbackServers.h"
#include "win32/dialogs/MessageBox.h"
#include "win32/Messages.h"
#include "win32/windowing/Shell.h"
#include "win32/TestHome.h"

#include "FileText.h"
#include "ShellTestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class VersionCheck : public ShellServerTest {};

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
        {"5.1", 98102, "file:///etc/passwd", IDYES, "", name + " v5.1 is now available. This is a free upgrade.", false},
    };
    for (const Case& c : cases) {
        Answer(c.version, c.downloadUrl ? c.downloadUrl : url.c_str(), c.upgradeId);
        if (c.answer) MvScriptMessageBoxAnswer(c.answer);
        EXPECT_EQ(c.expected, std::string(UMorvaneWebUtils::CheckVersion().GetString())) << c.version;
        std::vector<MvMessageBoxRequest> boxes = MvTakeShownMessageBoxes();
        ASSERT_EQ(1u, boxes.size()) << c.version;
        EXPECT_EQ(0u, boxes[0].text.find(c.box)) << boxes[0].text;
        std::vector<std::string> opens = MvTakeShellOpens();
        EXPECT_EQ(c.opensUpgradePage ? 1u : 0u, opens.size()) << c.version;
    }
    EXPECT_EQ("/api/version/\napplication/x-www-form-urlencoded\nid=98102\n", FileText(www + "/last_request"));
}

TEST_F(VersionCheck, RefusedAnswerEndsTheCheckSilently)
{
    WriteAnswer("<reply><result>0</result><message>unknown application</message></reply>");
    EXPECT_TRUE(UMorvaneWebUtils::CheckVersion().IsEmpty());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
    WriteAnswer("not xml at all");
    EXPECT_TRUE(UMorvaneWebUtils::CheckVersion().IsEmpty());
    EXPECT_TRUE(MvTakeShownMessageBoxes().empty());
}
