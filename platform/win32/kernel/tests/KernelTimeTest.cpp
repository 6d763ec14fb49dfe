#include "win32/kernel/Clock.h"
#include "win32/kernel/KernelTime.h"

#include <gtest/gtest.h>

TEST(KernelTime, CalendarAndFileTimesConvertBothWays)
{
    struct Case {
        SYSTEMTIME time;
        int64_t units;
    } cases[] = {
        {{1601, 1, 1, 1, 0, 0, 0, 0}, 0},
        {{1970, 1, 4, 1, 0, 0, 0, 0}, 116444736000000000LL},
        {{2007, 1, 6, 13, 6, 25, 49, 123}, 128131431491230000LL},
        {{2000, 2, 2, 29, 23, 59, 59, 999}, 125963423999990000LL},
    };
    for (const auto& c : cases) {
        FILETIME file;
        ASSERT_TRUE(SystemTimeToFileTime(&c.time, &file));
        int64_t units = (static_cast<int64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
        EXPECT_EQ(c.units, units) << c.time.wYear;
        SYSTEMTIME back;
        ASSERT_TRUE(FileTimeToSystemTime(&file, &back));
        EXPECT_EQ(0, memcmp(&back, &c.time, sizeof(back))) << c.time.wYear << " day of week " << back.wDayOfWeek;
    }
    SYSTEMTIME invalid = {2001, 2, 0, 29, 0, 0, 0, 0};
    FILETIME file;
    EXPECT_FALSE(SystemTimeToFileTime(&invalid, &file));
}

TEST(KernelTime, TheVirtualClockDrivesTheTickCount)
{
    MvUseVirtualClock(true);
    DWORD start = GetTickCount();
    MvAdvanceClock(30000);
    EXPECT_EQ(start + 30000u, GetTickCount());
    EXPECT_EQ(start + 30000u, timeGetTime());
    MvUseVirtualClock(false);
    DWORD before = GetTickCount();
    SYSTEMTIME now;
    GetSystemTime(&now);
    EXPECT_GE(now.wYear, 2024);
    EXPECT_LE(GetTickCount() - before, 10000u);
}
