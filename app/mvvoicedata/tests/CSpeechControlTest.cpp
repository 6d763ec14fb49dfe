#include "CListener.h"
#include "CMetaClassController.h"
#include "CPersistStorage.h"
#include "CSpeechControl.h"
#include "CXmlPersistReader.h"
#include "CXmlPersistStorage.h"
#include "SNotifyRecord.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

class NoticeLog : public CListener {
public:
    std::vector<LONG> codes;
    bool Respond(long code, CBroadcaster*, long, long) override
    {
        codes.push_back(static_cast<LONG>(code));
        return true;
    }
};

}

TEST(SpeechControl, StartsWithAnEmptyVoiceNormalRateAndVolume80)
{
    CSpeechControl control;
    EXPECT_EQ(CString(""), control.GetVoice());
    EXPECT_EQ(0, control.GetRate());
    EXPECT_EQ(80, control.GetVolume());
    EXPECT_EQ(FourCharCode("spcl"), control.GetObjectType());
    EXPECT_TRUE(control.IsInstanceOf(FourCharCode("spcl")));
    std::unique_ptr<CPersistObject> created(CMetaClassController::CreateOne(FourCharCode("spcl")));
    ASSERT_NE(nullptr, created);
    EXPECT_EQ(FourCharCode("spcl"), created->GetObjectType());
}

TEST(SpeechControl, SettersClampAndAnnounceOnlyChanges)
{
    CSpeechControl control;
    NoticeLog log;
    control.AddListener(&log);
    EXPECT_TRUE(control.SetRate(9));
    EXPECT_EQ(5, control.GetRate());
    EXPECT_FALSE(control.SetRate(5));
    EXPECT_TRUE(control.SetRate(-9));
    EXPECT_EQ(-5, control.GetRate());
    EXPECT_TRUE(control.SetVolume(250));
    EXPECT_EQ(100, control.GetVolume());
    EXPECT_FALSE(control.SetVolume(250));
    EXPECT_TRUE(control.SetVoice("English (America)"));
    EXPECT_FALSE(control.SetVoice("English (America)"));
    EXPECT_TRUE(control.SetVoice("english (america)"));
    EXPECT_TRUE(control.SetVoice(""));
    const std::vector<LONG> expected = {FourCharCode("spcn"), FourCharCode("spcn"), FourCharCode("spco"),
                                        FourCharCode("spcm"), FourCharCode("spcm"), FourCharCode("spcm")};
    EXPECT_EQ(expected, log.codes);
    control.RemoveListener(&log);
}

TEST(SpeechControl, SavedValuesComeBackFromBothStorages)
{
    CSpeechControl saved;
    saved.SetVoice("Deutsch");
    saved.SetRate(-3);
    saved.SetVolume(55);

    CPersistStorage binary;
    saved.Save("speech", binary);
    CSpeechControl fromBinary;
    fromBinary.Load("speech", binary);
    EXPECT_EQ(CString("Deutsch"), fromBinary.GetVoice());
    EXPECT_EQ(-3, fromBinary.GetRate());
    EXPECT_EQ(55, fromBinary.GetVolume());

    MvTestHome home;
    std::string path = home.Path() + "/speech.xml";
    CXmlPersistStorage xml("speech", path.c_str());
    saved.Save("speech", xml);
    CXmlPersistReader reader("speech", path.c_str());
    ASSERT_TRUE(reader.HasData());
    CSpeechControl fromXml;
    fromXml.Load("speech", reader);
    EXPECT_EQ(CString("Deutsch"), fromXml.GetVoice());
    EXPECT_EQ(-3, fromXml.GetRate());
    EXPECT_EQ(55, fromXml.GetVolume());
}

TEST(SpeechControl, StoredValuesOutOfRangeLoadAsStored)
{
    CXmlPersistReader reader(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<speech>\r\n<speed>9</speed>\r\n<volume>300</volume>\r\n"
        "<voice>x</voice>\r\n</speech>\r\n");
    CSpeechControl control;
    control.Load("speech", reader);
    EXPECT_EQ(9, control.GetRate());
    EXPECT_EQ(300, control.GetVolume());
    EXPECT_EQ(CString("x"), control.GetVoice());
}

TEST(SpeechControl, CopiesCarryAllThreeValues)
{
    CSpeechControl source;
    source.SetVoice("v");
    source.SetRate(2);
    source.SetVolume(10);
    CSpeechControl copy(source);
    std::unique_ptr<CPersistObject> clone(source.Clone());
    auto* cloned = dynamic_cast<CSpeechControl*>(clone.get());
    ASSERT_NE(nullptr, cloned);
    for (CSpeechControl* c : {&copy, cloned}) {
        EXPECT_EQ(CString("v"), c->GetVoice());
        EXPECT_EQ(2, c->GetRate());
        EXPECT_EQ(10, c->GetVolume());
    }
}
