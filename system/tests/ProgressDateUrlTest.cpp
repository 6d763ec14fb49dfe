#include "CDateTime.h"
#include "CWindowsProgressAction.h"
#include "UDateText.h"
#include "UUrlUtils.h"

#include "win32/kernel/Clock.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

class FixedProgress : public CWindowsProgressAction {
public:
    double GetProgress() override { return m_progress; }
    CProgressAction* GetChildAction() override { return m_child; }
    double m_progress = 0;
    CProgressAction* m_child = nullptr;
};

class VirtualClock {
public:
    VirtualClock() { MvUseVirtualClock(true); }
    ~VirtualClock() { MvUseVirtualClock(false); }
};

}

TEST(CWindowsProgressAction, EstimatesTheTimeLeftFromTheTimePassed)
{
    VirtualClock clock;
    FixedProgress action;
    action.StartProgress();
    EXPECT_EQ(0, action.GetEstimateTime());
    MvAdvanceClock(30999);
    EXPECT_EQ(30, action.GetPassedTime());
    action.m_progress = 0.25;
    EXPECT_EQ(90, action.GetEstimateTime());
    action.m_progress = 1;
    EXPECT_EQ(0, action.GetEstimateTime());
    action.m_progress = 0.7;
    EXPECT_EQ(13, action.GetEstimateTime()); // 0.3 * 30 / 0.7 = 12.86, rounded

    EXPECT_EQ(0, action.GetDetailPassedTime());
    FixedProgress child;
    child.StartProgress();
    child.m_progress = 0.5;
    action.m_child = &child;
    MvAdvanceClock(4000);
    EXPECT_EQ(4, action.GetDetailPassedTime());
    EXPECT_EQ(4, action.GetDetailEstimateTime());
}

TEST(CDateTime, DatesAndTheirArithmetic)
{
    CDateTime date(0);
    date.SetDate(2007, 1, 13);
    EXPECT_EQ(13, date.GetDay());
    EXPECT_EQ(1, date.GetMonth());
    EXPECT_EQ(2007, date.GetYear());
    CDateTime next(0);
    next.SetDate(2007, 1, 14);
    EXPECT_EQ(864000000000LL, (next - date).GetTime());
    EXPECT_TRUE(next > date);
    EXPECT_TRUE(date < next);
    EXPECT_FALSE(date < date);
    EXPECT_EQ(next.GetTime(), (date + (next - date)).GetTime());
    CDateTime unchanged(date);
    unchanged.SetDate(2007, 2, 30);
    EXPECT_EQ(date.GetTime(), unchanged.GetTime());
    CDateTime now;
    EXPECT_GE(now.GetYear(), 2024);
}

TEST(UDateText, FormatsTheLocalTimeForFileNames)
{
    std::string text = UDateText::GetDateText();
    ASSERT_EQ(19u, text.size()) << text;
    for (size_t i : {4u, 7u, 13u, 16u}) EXPECT_EQ('_', text[i]) << text;
    EXPECT_EQ(' ', text[10]);
}

TEST(UUrlUtils, SplitsAddresses)
{
    struct Case {
        const char* address;
        const char* serverWithPort;
        const char* server;
        int port;
        const char* file;
        const char* params;
    } cases[] = {
        {"ftp://host:2121/dir/file.txt?a=1", "host:2121", "host", 2121, "/dir/file.txt", "a=1"},
        {"host/dir", "host", "host", 0, "/dir", ""},
        {"ftp://host?x", "host", "host", 0, "/", "x"},
        {"http://h?x=/y", "h", "h", 0, "/", "x=/y"},
        {"http://h/p?q=/r", "h", "h", 0, "/p", "q=/r"},
        {"http://h:80", "h:80", "h", 80, "/", ""},
        {"h/p?x=//y", "h", "h", 0, "/p", "x=//y"},
        {"h?to=http://other/x", "h", "h", 0, "/", "to=http://other/x"},
        {"h/a//b", "h", "h", 0, "/a//b", ""},
        {"", "", "", 0, "/", ""},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.serverWithPort, UUrlUtils::GetServerWithPort(c.address)) << c.address;
        EXPECT_STREQ(c.server, UUrlUtils::GetServer(c.address)) << c.address;
        EXPECT_EQ(c.port, UUrlUtils::GetPort(c.address)) << c.address;
        EXPECT_STREQ(c.file, UUrlUtils::GetFileName(c.address)) << c.address;
        EXPECT_STREQ(c.params, UUrlUtils::GetParams(c.address)) << c.address;
    }
    EXPECT_STREQ("", UUrlUtils::GetServer(nullptr));
    EXPECT_EQ(0, UUrlUtils::GetPort(nullptr));
    EXPECT_STREQ("", UUrlUtils::GetFileName(nullptr));
}
