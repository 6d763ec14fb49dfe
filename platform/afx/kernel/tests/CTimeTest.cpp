#include "afx/CString.h"
#include "afx/kernel/CTime.h"
#include "win32/dialogs/Resources.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class CTimeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* tz = std::getenv("TZ");
        m_oldTz = tz ? tz : "";
        m_hadTz = tz != nullptr;
        setenv("TZ", "UTC", 1);
        tzset();
    }
    void TearDown() override
    {
        if (m_hadTz) setenv("TZ", m_oldTz.c_str(), 1);
        else unsetenv("TZ");
        tzset();
    }
    std::string m_oldTz;
    bool m_hadTz = false;
};

TEST_F(CTimeTest, FieldsFormatAndArithmetic)
{
    CTime t(2026, 12, 10, 14, 5, 30);
    ASSERT_TRUE(t.IsValid());
    EXPECT_EQ(t.GetYear(), 2026);
    EXPECT_EQ(t.GetMonth(), 12);
    EXPECT_EQ(t.GetDay(), 10);
    EXPECT_EQ(t.GetHour(), 14);
    EXPECT_EQ(t.GetDayOfWeek(), 5) << "a Thursday";
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2026-12-10 14:05:30");
    CTime later = t + CTimeSpan(0, 0, 1, 0);
    EXPECT_EQ((later - t).GetTotalSeconds(), 60);
    EXPECT_LT(t, later);
    EXPECT_EQ(CTimeSpan(1, 2, 3, 4).Format("%D days %H:%M:%S"), "1 days 02:03:04");
    SYSTEMTIME st;
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(st.wMinute, 5);
    EXPECT_EQ(CTime(st).GetTime(), t.GetTime());
    FILETIME ft{0xD53E8000u, 0x019DB1DEu};   // 1970-01-01 00:00:00
    EXPECT_EQ(CTime(ft).GetTime(), 0);
}

TEST_F(CTimeTest, ImpossibleDatesAreInvalid)
{
    for (auto [y, m, d] : {std::tuple{2026, 2, 31}, {2026, 13, 1}, {1800, 1, 1}, {2026, 0, 1}}) {
        CTime t(y, m, d, 0, 0, 0);
        EXPECT_FALSE(t.IsValid()) << y << "-" << m << "-" << d;
        EXPECT_EQ(t.Format("%c"), "");
    }
}

TEST(CStringResources, LoadStringTakesTheRegisteredText)
{
    MvRegisterString(7300, "Start talking\nStart");
    CString s = "old";
    EXPECT_FALSE(s.LoadString(7301));
    EXPECT_EQ(s, "old");
    EXPECT_TRUE(s.LoadString(7300));
    EXPECT_EQ(s, "Start talking\nStart");
    char buffer[6];
    EXPECT_EQ(LoadString(nullptr, 7300, buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "Start");
}

} // namespace
