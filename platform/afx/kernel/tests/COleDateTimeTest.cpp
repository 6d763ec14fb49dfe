#include "afx/kernel/COleDateTime.h"

#include <gtest/gtest.h>

namespace {

TEST(COleDateTime, ParsesTheCommonFormsAndRefusesTheRest)
{
    struct { const char* text; bool ok; const char* formatted; } cases[] = {
        {"2026-12-10", true, "2026-12-10"},
        {"12/10/2026", true, "2026-12-10"},
        {"10.12.2026 08:30", true, "2026-12-10 08:30:00"},
        {" 2024/02/29 23:59:59 ", true, "2024-02-29 23:59:59"},
        {"3:04 PM", true, "15:04:00"},
        {"12:00 am", true, "00:00:00"},
        {"2025-02-29", false, ""},
        {"13:00 PM", false, ""},
        {"2026-12-10x", false, ""},
        {"12/10", false, ""},
        {"", false, ""},
        {"9", false, ""},
        {"99999999999999999999-1-1", false, ""},
    };
    for (auto& c : cases) {
        COleDateTime t;
        EXPECT_EQ(t.ParseDateTime(c.text), c.ok) << c.text;
        EXPECT_EQ(t.GetStatus(), c.ok ? COleDateTime::valid : COleDateTime::invalid) << c.text;
        EXPECT_EQ(t.Format(), c.formatted) << c.text;
    }
}

TEST(COleDateTime, DaysCountFromTheEndOf1899AndOrderTheValues)
{
    COleDateTime epoch(1899, 12, 30, 0, 0, 0);
    EXPECT_EQ(epoch.m_dt, 0.0);
    COleDateTime noon(1900, 1, 1, 12, 0, 0);
    EXPECT_DOUBLE_EQ(noon.m_dt, 2.5);
    EXPECT_TRUE(epoch < noon);
    EXPECT_EQ(noon.GetYear(), 1900);
    EXPECT_EQ(noon.GetHour(), 12);
    EXPECT_EQ(noon.Format(VAR_DATEVALUEONLY), "1900-01-01");
    EXPECT_EQ(noon.Format(VAR_TIMEVALUEONLY), "12:00:00");
    COleDateTime bad(2026, 13, 1, 0, 0, 0);
    EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(bad.Format(), "");
    EXPECT_EQ(bad.GetDay(), -1);
}

} // namespace
