#include "CPersistDate.h"
#include "DataTestSupport.h"

TEST(PersistDate, ANewDateIsThe20thOfAugust2006)
{
    CPersistDate date;
    EXPECT_EQ(2006, date.GetYear());
    EXPECT_EQ(8, date.GetMonth());
    EXPECT_EQ(20, date.GetDay());
}

TEST(PersistDate, AnyNumbersAreStoredAndAnnouncedAsGiven)
{
    CPersistDate date;
    NoticeLog log(date);
    EXPECT_TRUE(date.SetMonth(13));
    EXPECT_TRUE(date.SetDay(0));
    EXPECT_TRUE(date.SetYear(65535));
    EXPECT_FALSE(date.SetYear(65535));
    EXPECT_EQ(13, date.GetMonth());
    EXPECT_EQ(0, date.GetDay());
    EXPECT_EQ((Codes{"pdav", "pdaw", "pdau"}), log.codes);
}

TEST(PersistDate, TheDateSurvivesBothStorages)
{
    CPersistDate date;
    date.SetYear(1999);
    date.SetMonth(12);
    date.SetDay(31);
    std::string xml = XmlText(date);
    for (const char* key : {"year", "month", "day"}) EXPECT_TRUE(HasElement(xml, key)) << key;
    CPersistDate assigned;
    assigned = date;
    for (auto copy : {BinaryCopy(date), XmlLoad<CPersistDate>(xml), std::make_shared<CPersistDate>(assigned)}) {
        EXPECT_EQ(1999, copy->GetYear());
        EXPECT_EQ(12, copy->GetMonth());
        EXPECT_EQ(31, copy->GetDay());
    }
}
