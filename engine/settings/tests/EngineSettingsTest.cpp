#include "CGlobalSetting.h"
#include "CListener.h"
#include "CLocalSetting.h"
#include "CAudioCapture2.h"
#include "EngineSettingFiles.h"
#include "StApplicationId.h"
#include "UDirectoryUtils.h"
#include "UPersistStorage.h"
#include "win32/TestHome.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class NoticeCount : public CListener {
public:
    explicit NoticeCount(CBroadcaster& sender) { sender.AddListener(this); }
    bool Respond(long code, CBroadcaster*, long, long) override
    {
        codes.push_back(code);
        return true;
    }
    std::vector<long> codes;
};

class EngineSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { StApplicationId::sId = &m_app; }
    void TearDown() override { StApplicationId::sId = m_previous; }

    MvTestHome m_home;
    StApplicationId* m_previous = StApplicationId::sId;
    StApplicationId m_app{98102};
};

TEST(DecodeMpegTest, OneChannelStaysOn)
{
    CSettingDecodeMpeg mpeg;
    NoticeCount notices(mpeg);
    EXPECT_TRUE(mpeg.SetRight(false));
    EXPECT_FALSE(mpeg.SetLeft(false));  // forced back on: unchanged
    EXPECT_TRUE(mpeg.GetLeft());
    EXPECT_EQ(notices.codes, std::vector<long>{CSettingDecodeMpeg::kRightChangedNotice});
    EXPECT_TRUE(mpeg.SetRight(true));
    EXPECT_TRUE(mpeg.SetLeft(false));
    EXPECT_FALSE(mpeg.SetRight(false));
    EXPECT_TRUE(mpeg.GetRight());
}

TEST(BooleanSettingsTest, DefaultsAndNotices)
{
    CLocalSetting local;
    EXPECT_FALSE(local.GetMinimizeTaskBar().GetMinimize());
    EXPECT_TRUE(local.GetDvdRip().GetMergeSeamlessCells());
    EXPECT_FALSE(local.GetffDecoder().GetEnable());
    NoticeCount notices(local.GetDvdRip());
    EXPECT_FALSE(local.GetDvdRip().SetMergeSeamlessCells(true));
    EXPECT_TRUE(local.GetDvdRip().SetMergeSeamlessCells(false));
    EXPECT_EQ(notices.codes, std::vector<long>{FourCharCode("dvrq")});
}

TEST_F(EngineSettingsTest, FirstInstanceIsProcessWide)
{
    ASSERT_EQ(CGlobalSetting::sSettings, nullptr);
    ASSERT_EQ(CLocalSetting::sSettings, nullptr);
    {
        CGlobalSetting global;
        CLocalSetting local;
        CGlobalSetting page(global);
        CLocalSetting localPage;
        EXPECT_EQ(CGlobalSetting::sSettings, &global);
        EXPECT_EQ(CLocalSetting::sSettings, &local);
    }
    EXPECT_EQ(CGlobalSetting::sSettings, nullptr);
    EXPECT_EQ(CLocalSetting::sSettings, nullptr);
}

TEST_F(EngineSettingsTest, EmptyRecordingFolderBecomesTheDefault)
{
    const CString expected = CString(UDirectoryUtils::GetMyDocumentsDirectory()) + "My Recordings/";
    {
        CLocalSetting local;
        ASSERT_TRUE(local.SaveFile());
        CLocalSetting loaded;
        EXPECT_TRUE(loaded.LoadFile());
        EXPECT_EQ(loaded.GetRecordingPath().GetRecordingPathPath(), expected);
    }
    CLocalSetting local;
    local.GetRecordingPath().SetRecordingPathPath("/media/recordings/");
    ASSERT_TRUE(local.SaveFile());
    CLocalSetting loaded;
    ASSERT_TRUE(loaded.LoadFile());
    EXPECT_EQ(loaded.GetRecordingPath().GetRecordingPathPath(), "/media/recordings/");
    m_app.SetId(29771);
    EXPECT_EQ(CSettingRecordingPath::GetDefaultFolder(),
              CString(UDirectoryUtils::GetMyDocumentsDirectory()) + "My Screen Recordings\\");
}

TEST_F(EngineSettingsTest, RecordingFolderFilledWithoutAFile)
{
    CLocalSetting local;
    EXPECT_FALSE(local.LoadFile());
    EXPECT_FALSE(local.GetRecordingPath().GetRecordingPathPath().IsEmpty());
}

TEST_F(EngineSettingsTest, RealFoldersDefaultWhenMissing)
{
    CSettingLameDll lame;
    lame.SetFilePath("/opt/lame/lame_enc.dll");
    ASSERT_TRUE(UPersistStorage::SystemSave(lame, kEngineSettingsRoot, kEngineSettingsFile));
    CGlobalSetting global;
    ASSERT_TRUE(global.LoadFile());
    const CSettingRealAlternative defaults;
    EXPECT_EQ(global.GetRealAlternative().GetFilePath(), defaults.GetFilePath());
    EXPECT_EQ(global.GetRealAlternative().GetRealPlayerPath(), defaults.GetRealPlayerPath());
    EXPECT_FALSE(defaults.GetFilePath().IsEmpty());
    EXPECT_NE(defaults.GetFilePath(), defaults.GetRealPlayerPath());
}

TEST_F(EngineSettingsTest, BothGroupsRoundTrip)
{
    {
        CGlobalSetting global;
        global.GetLameDll().SetFilePath("/opt/lame/lame_enc.dll");
        global.GetRealAlternative().SetFilePath("/opt/real alt/");
        global.GetRealAlternative().SetRealPlayerPath("/opt/player/");
        ASSERT_TRUE(global.SaveFile());
        CLocalSetting local;
        local.GetDecodeMpeg().SetLeft(false);
        local.GetMinimizeTaskBar().SetMinimize(true);
        local.GetDvdRip().SetMergeSeamlessCells(false);
        local.GetffDecoder().SetEnable(true);
        local.GetRecordingPath().SetRecordingPathPath("/rec/");
        ASSERT_TRUE(local.SaveFile());
    }
    m_app.SetId(45389);  // another application (user folder) still shares the common file
    CGlobalSetting global;
    ASSERT_TRUE(global.LoadFile());
    EXPECT_EQ(global.GetLameDll().GetFilePath(), "/opt/lame/lame_enc.dll");
    EXPECT_EQ(global.GetRealAlternative().GetFilePath(), "/opt/real alt/");
    EXPECT_EQ(global.GetRealAlternative().GetRealPlayerPath(), "/opt/player/");

    m_app.SetId(98102);
    CLocalSetting local;
    ASSERT_TRUE(local.LoadFile());
    EXPECT_FALSE(local.GetDecodeMpeg().GetLeft());
    EXPECT_TRUE(local.GetDecodeMpeg().GetRight());
    EXPECT_TRUE(local.GetMinimizeTaskBar().GetMinimize());
    EXPECT_FALSE(local.GetDvdRip().GetMergeSeamlessCells());
    EXPECT_TRUE(local.GetffDecoder().GetEnable());
    EXPECT_EQ(local.GetRecordingPath().GetRecordingPathPath(), "/rec/");
}

TEST_F(EngineSettingsTest, SoundCardHardwareBufferInTheIniFile)
{
    EXPECT_FALSE(CAudioCapture2::GetSettingUseSoundCardBuffer());
    CAudioCapture2::SetSettingUseSoundCardBuffer(true);
    EXPECT_TRUE(CAudioCapture2::GetSettingUseSoundCardBuffer());
    CAudioCapture2::SetSettingUseSoundCardBuffer(false);
    EXPECT_FALSE(CAudioCapture2::GetSettingUseSoundCardBuffer());
}

}  // namespace
