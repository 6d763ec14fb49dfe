#include "CAppControl.h"
#include "CHotKey2.h"
#include "DataTestSupport.h"

TEST(HotKey, ANewKeyIsCtrlAltEscape)
{
    CHotKey2 key;
    NoticeLog log(key);
    EXPECT_TRUE(key.GetCtl());
    EXPECT_TRUE(key.GetAlt());
    EXPECT_FALSE(key.GetShift());
    EXPECT_EQ(27, key.GetKeyCode());
    EXPECT_FALSE(key.SetCtl(true));
    EXPECT_TRUE(log.codes.empty());
    key.Clear();   // nothing is reset
    EXPECT_TRUE(key.GetCtl());
}

TEST(HotKey, EachFieldHasItsNoticeAndSurvivesBothStorages)
{
    CHotKey2 key;
    NoticeLog log(key);
    EXPECT_TRUE(key.SetCtl(false));
    EXPECT_TRUE(key.SetAlt(false));
    EXPECT_TRUE(key.SetShift(true));
    EXPECT_TRUE(key.SetKeyCode(0x7B));
    EXPECT_EQ((Codes{"htk3", "htk4", "htk5", "htk6"}), log.codes);
    std::string xml = XmlText(key);
    EXPECT_NE(std::string::npos, xml.find("<shift>1</shift>"));
    EXPECT_NE(std::string::npos, xml.find("<key>123</key>"));
    CHotKey2 assigned;
    assigned = key;
    for (auto copy : {BinaryCopy(key), XmlLoad<CHotKey2>(xml), std::make_shared<CHotKey2>(assigned)}) {
        EXPECT_FALSE(copy->GetCtl());
        EXPECT_FALSE(copy->GetAlt());
        EXPECT_TRUE(copy->GetShift());
        EXPECT_EQ(0x7B, copy->GetKeyCode());
    }
}

TEST(AppControl, MinimizeIsAnnouncedAndKept)
{
    CAppControl control;
    NoticeLog log(control);
    EXPECT_FALSE(control.GetMinimize());
    EXPECT_TRUE(control.SetMinimize(true));
    EXPECT_FALSE(control.SetMinimize(true));
    EXPECT_EQ((Codes{"hotl"}), log.codes);
    EXPECT_NE(std::string::npos, XmlText(control).find("<minimize>1</minimize>"));
    EXPECT_TRUE(BinaryCopy(control)->GetMinimize());
    EXPECT_TRUE(XmlCopy(control)->GetMinimize());
}
