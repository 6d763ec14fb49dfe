#include "CDuration.h"
#include "CPersistDateTime.h"
#include "CPersistDuration.h"
#include "CPersistTime.h"
#include "CScheduler.h"
#include "DataTestSupport.h"

TEST(PersistTime, FieldsOutOfRangeKeepTheStoredValue)
{
    CPersistTime time;
    NoticeLog log(time);
    EXPECT_TRUE(time.SetHour(23));
    EXPECT_FALSE(time.SetHour(24));
    EXPECT_TRUE(time.SetMinute(59));
    EXPECT_FALSE(time.SetMinute(60));
    EXPECT_TRUE(time.SetSecond(7));
    EXPECT_FALSE(time.SetSecond(200));
    EXPECT_EQ(23, time.GetHour());
    EXPECT_EQ(59, time.GetMinute());
    EXPECT_EQ(7, time.GetSecond());
    EXPECT_EQ((Codes{"ptin", "ptio", "ptip"}), log.codes);
    time.Clear();
    EXPECT_EQ(0, time.GetHour() + time.GetMinute() + time.GetSecond());
}

TEST(PersistTime, ADurationCountsHoursPastADay)
{
    CPersistDuration duration;
    EXPECT_TRUE(duration.SetHour(24));
    EXPECT_TRUE(duration.SetHour(65535));
    EXPECT_EQ(65535, duration.GetHour());
    EXPECT_FALSE(duration.SetMinute(60));
    duration.SetMinute(30);
    for (auto copy : {BinaryCopy(duration), XmlCopy(duration)}) {
        EXPECT_EQ(65535, copy->GetHour());
        EXPECT_EQ(30, copy->GetMinute());
    }
}

TEST(PersistDateTime, ANewDateTimeIsTheFirstOf2004)
{
    CPersistDateTime date;
    EXPECT_EQ(2004, date.GetYear());
    EXPECT_EQ(1, date.GetMonth());
    EXPECT_EQ(1, date.GetDay());
    EXPECT_EQ(0, date.GetHour());
    date.SetHour(5);
    date.Clear();   // keeps date and time
    EXPECT_EQ(5, date.GetHour());
}

TEST(PersistDateTime, TheDayFollowsTheMonthsLength)
{
    struct Case {
        unsigned short year;
        unsigned char month;
        unsigned char expectedDay;
    };
    // From 31 March to the month given; every fourth year is a leap year, 1900 too.
    const Case cases[] = {{2004, 2, 29}, {2003, 2, 28}, {1900, 2, 29}, {2004, 4, 30}, {2004, 6, 30},
                          {2004, 9, 30}, {2004, 11, 30}, {2004, 12, 31}, {2004, 1, 31}};
    for (const Case& c : cases) {
        CPersistDateTime date;
        date.SetYear(c.year);
        date.SetMonth(3);
        date.SetDay(31);
        NoticeLog log(date);
        EXPECT_TRUE(date.SetMonth(c.month));
        EXPECT_EQ(c.expectedDay, date.GetDay()) << c.year << "-" << int(c.month);
        EXPECT_EQ((Codes{"pdto", "pdtp"}), log.codes);
    }
}

TEST(PersistDateTime, AYearChangeRefitsTheDay)
{
    CPersistDateTime date;
    date.SetMonth(2);
    date.SetDay(29);
    NoticeLog log(date);
    EXPECT_TRUE(date.SetYear(2005));
    EXPECT_EQ(28, date.GetDay());
    EXPECT_EQ((Codes{"pdtn", "pdtp"}), log.codes);
}

TEST(PersistDateTime, MonthsOutOfRangeAreRefusedAndDaysAlwaysAnnounced)
{
    CPersistDateTime date;
    date.SetMonth(6);
    NoticeLog log(date);
    EXPECT_FALSE(date.SetMonth(0));
    EXPECT_FALSE(date.SetMonth(13));
    EXPECT_EQ(6, date.GetMonth());
    EXPECT_TRUE(date.SetDay(0));
    EXPECT_EQ(1, date.GetDay());
    EXPECT_TRUE(date.SetDay(1));
    EXPECT_EQ((Codes{"pdtp", "pdtp"}), log.codes);
}

TEST(PersistDateTime, DateAndTimeSurviveBothStorages)
{
    CPersistDateTime date;
    date.SetYear(2026);
    date.SetMonth(12);
    date.SetDay(10);
    date.SetHour(15);
    date.SetMinute(4);
    date.SetSecond(59);
    std::string xml = XmlText(date);
    for (const char* key : {"year", "month", "day", "hour", "minute", "second"}) EXPECT_TRUE(HasElement(xml, key)) << key;
    for (auto copy : {BinaryCopy(date), XmlLoad<CPersistDateTime>(xml)}) {
        EXPECT_EQ(2026, copy->GetYear());
        EXPECT_EQ(12, copy->GetMonth());
        EXPECT_EQ(10, copy->GetDay());
        EXPECT_EQ(15, copy->GetHour());
        EXPECT_EQ(4, copy->GetMinute());
        EXPECT_EQ(59, copy->GetSecond());
    }
}

TEST(Scheduler, FlagsAndMomentsKeepTheirStoredNames)
{
    CScheduler schedule;
    NoticeLog log(schedule);
    EXPECT_TRUE(schedule.SetStartOn(true));
    EXPECT_FALSE(schedule.SetStartOn(true));
    EXPECT_TRUE(schedule.SetStopOn(true));
    EXPECT_EQ((Codes{"scdm", "scdn"}), log.codes);
    schedule.GetStartTime().SetHour(8);
    schedule.GetStopTime().SetHour(9);
    schedule.GetStopTime().SetYear(2030);

    std::string xml = XmlText(schedule);
    EXPECT_NE(std::string::npos, xml.find("<start>1</start>"));
    EXPECT_NE(std::string::npos, xml.find("<start_time>1</start_time>"));
    // The start moment is the nested "stop", the stop moment "stop time".
    size_t stop = xml.find("<stop>"), stopTime = xml.find("<stop_time>");
    ASSERT_NE(std::string::npos, stop);
    ASSERT_NE(std::string::npos, stopTime);
    EXPECT_NE(std::string::npos, xml.find("<hour>8</hour>", stop));
    EXPECT_LT(xml.find("<hour>8</hour>", stop), xml.find("</stop>"));
    EXPECT_NE(std::string::npos, xml.find("<year>2030</year>", stopTime));

    CScheduler assigned;
    assigned = schedule;
    for (auto copy : {BinaryCopy(schedule), XmlLoad<CScheduler>(xml), std::make_shared<CScheduler>(assigned)}) {
        EXPECT_TRUE(copy->GetStartOn());
        EXPECT_TRUE(copy->GetStopOn());
        EXPECT_EQ(8, copy->GetStartTime().GetHour());
        EXPECT_EQ(2004, copy->GetStartTime().GetYear());
        EXPECT_EQ(9, copy->GetStopTime().GetHour());
        EXPECT_EQ(2030, copy->GetStopTime().GetYear());
    }
}

TEST(Scheduler, OnlyTheStartFlagSetComesBackAlone)
{
    CScheduler schedule;
    schedule.SetStopOn(true);
    for (auto copy : {BinaryCopy(schedule), XmlCopy(schedule)}) {
        EXPECT_FALSE(copy->GetStartOn());
        EXPECT_TRUE(copy->GetStopOn());
    }
}

TEST(Duration, AStartNeverPassesTheEnd)
{
    CDuration range;
    EXPECT_FALSE(range.SetStart(10));
    EXPECT_EQ(0, range.GetStart());
    EXPECT_TRUE(range.SetEnd(50));
    EXPECT_TRUE(range.SetStart(10));
    EXPECT_FALSE(range.SetStart(60));
    EXPECT_EQ(10, range.GetStart());
    EXPECT_TRUE(range.SetStart(-5));
    EXPECT_EQ(0, range.GetStart());
}

TEST(Duration, AnEndBeforeTheStartKeepsTheEnd)
{
    CDuration range;
    range.SetEnd(20);
    range.SetStart(10);
    EXPECT_FALSE(range.SetEnd(5));
    EXPECT_EQ(20, range.GetEnd());
    EXPECT_TRUE(range.SetDuration(15));
    EXPECT_EQ(25, range.GetEnd());
    EXPECT_EQ(15, range.GetDuration());
}

TEST(Duration, AMaximumRefitsStartAndEnd)
{
    struct Case {
        double start, end, max;
        double expectedStart, expectedEnd;
        Codes notices;
    };
    const Case cases[] = {
        {0, 0, 30, 0, 30, {"durb", "durd"}},
        {40, 60, 30, 0, 30, {"durb", "durc", "durd"}},
        {10, 20, 30, 10, 20, {"durb"}},
        {10, 50, 30, 10, 30, {"durb", "durd"}},
    };
    for (const Case& c : cases) {
        CDuration range;
        range.SetEnd(c.end);
        range.SetStart(c.start);
        NoticeLog log(range);
        EXPECT_TRUE(range.SetMax(c.max));
        EXPECT_EQ(c.expectedStart, range.GetStart()) << c.start << ".." << c.end;
        EXPECT_EQ(c.expectedEnd, range.GetEnd()) << c.start << ".." << c.end;
        EXPECT_EQ(c.notices, log.codes) << c.start << ".." << c.end;
    }
}

TEST(Duration, AMaximumOfZeroOrLessIsRefusedAndEndsStayBelowIt)
{
    CDuration range;
    range.SetMax(30);
    EXPECT_FALSE(range.SetMax(0));
    EXPECT_FALSE(range.SetMax(-1));
    EXPECT_EQ(30, range.GetMax());
    range.SetEnd(100);
    EXPECT_EQ(30, range.GetEnd());
    range.SetStart(31);
    EXPECT_EQ(0, range.GetStart());
}

TEST(Duration, TheRangeSurvivesBothStoragesUnvalidated)
{
    CDuration range;
    range.SetMax(120.5);
    range.SetEnd(90.25);
    range.SetStart(12.75);
    for (auto copy : {BinaryCopy(range), XmlCopy(range)}) {
        EXPECT_DOUBLE_EQ(120.5, copy->GetMax());
        EXPECT_DOUBLE_EQ(12.75, copy->GetStart());
        EXPECT_DOUBLE_EQ(90.25, copy->GetEnd());
    }
}
