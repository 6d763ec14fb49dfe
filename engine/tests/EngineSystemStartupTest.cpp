#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CDirectShowFilter.h"
#include "CDirectShowSystem2.h"
#include "CFormatTypes.h"
#include "CGlobalSetting.h"
#include "CVideoCodecsInfo.h"
#include "StDirectShow.h"
#include "UDirectoryUtils.h"
#include "com/Guid.h"
#include "dshow/DeviceInterfaces.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// The switches of a program that speaks: sound only, no capture.
class EngineSystemStartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved[0] = CDirectShowSystem2::sNeedsVideo;
        m_saved[1] = CDirectShowSystem2::sNeedsVideoCapture;
        m_saved[2] = CDirectShowSystem2::sNeedsAudioCapture;
        m_saved[3] = CDirectShowSystem2::sLoadQt;
        CDirectShowSystem2::sNeedsVideo = false;
        CDirectShowSystem2::sNeedsVideoCapture = false;
        CDirectShowSystem2::sNeedsAudioCapture = false;
        CDirectShowSystem2::sLoadQt = false;
    }
    void TearDown() override
    {
        CDirectShowSystem2::sNeedsVideo = m_saved[0];
        CDirectShowSystem2::sNeedsVideoCapture = m_saved[1];
        CDirectShowSystem2::sNeedsAudioCapture = m_saved[2];
        CDirectShowSystem2::sLoadQt = m_saved[3];
    }
    StDirectShow m_com;
    bool m_saved[4] = {};
};

TEST_F(EngineSystemStartupTest, TheEngineBringsItsTablesCataloguesAndEncoderRowAndStoresThemAtTheEnd)
{
    {
        CDirectShowSystem2 system;
        EXPECT_EQ(&system, CDirectShowSystem2::sSystem);
        ASSERT_NE(nullptr, CFormatTypes::sFormatTypes) << "the output types a program offers";
        ASSERT_NE(nullptr, CAudioCodecsInfo::sInfo);
        ASSERT_NE(nullptr, CGlobalSetting::sSettings);
        EXPECT_TRUE(CDirectShowFilter::sPromptError);
        CAudioCodecInfo* lame = CAudioCodecsInfo::sInfo->Find("Lame_enc.dll", "Morvane lame_enc.dll");
        ASSERT_NE(nullptr, lame);
        EXPECT_TRUE(lame->IsActivated()) << "the MP3 encoder library loads here";
        for (ESplitterType type : {350, 500, 100, 1200}) EXPECT_TRUE(lame->IsSupported(type)) << type;
        EXPECT_FALSE(lame->IsSupported(1100)) << "Ogg holds no MP3";
        CAudioCodecInfo* dv = CAudioCodecsInfo::sInfo->Find("DV Audio", "Dummy DV Audio");
        ASSERT_NE(nullptr, dv);
        EXPECT_TRUE(dv->IsSupported(900));
        const std::string vorbis = "@device:sw:" + GuidToText(CLSID_AudioCompressorCategory) + "\\Vorbis Encoder";
        EXPECT_NE(nullptr, CAudioCodecsInfo::sInfo->Find("Vorbis Encoder", vorbis.c_str()))
            << "the system's compressors join";
        EXPECT_EQ(0, CVideoCodecsInfo::sInfo->GetCodecCount()) << "a program without video lists no video codec";
    }
    EXPECT_EQ(nullptr, CDirectShowSystem2::sSystem);
    EXPECT_EQ(nullptr, CFormatTypes::sFormatTypes);
    EXPECT_FALSE(CDirectShowFilter::sPromptError) << "nothing is prompted once the engine is gone";
    const std::filesystem::path stored =
        std::filesystem::path(UDirectoryUtils::GetCommonAppDataDirectory()) / CAudioCodecsInfo::kFileName;
    EXPECT_TRUE(std::filesystem::exists(stored)) << stored;
}

} // namespace
