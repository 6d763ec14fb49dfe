// The QuickTime export settings: labelled lookups exact and relaxed, the settings blob, the
// stores by file type and their files by QuickTime version.
#include "CDirectShowSystem2.h"
#include "CListener.h"
#include "CPersistStorage.h"
#include "CQtExportSettings.h"
#include "CQuickTimeExportPersist.h"
#include "CQuickTimeExportTypePersist.h"
#include "CQuickTimePersist.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class Notices : public CListener {
public:
    explicit Notices(CBroadcaster& sender) { sender.AddListener(this); }
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kNotifyMessage) codes.push_back(static_cast<const SNotifyRecord*>(p)->code);
        return CListener::ListenToMessage(message, p, q);
    }
    std::vector<long> codes;
};

CQtExportSettings* Setting(CQuickTimeExportTypePersist& type, LONG tv, const char* video, const char* audio,
                           ULONG rate, unsigned short channels, ULONG bitrate)
{
    auto* s = new CQtExportSettings;
    s->SetTvType(tv);
    s->SetVideoCodecName(video);
    s->SetAudioCodecName(audio);
    s->SetAudioSampleRate(rate);
    s->SetAudioChannel(channels);
    s->SetAudioBitrate(bitrate);
    type.AddExportSetting(s);
    return s;
}

TEST(QuickTimeExportSettingsTest, RoughFindRelaxesTheLabelsStepByStep)
{
    CQuickTimeExportTypePersist type;
    CQtExportSettings* h264Low = Setting(type, 1, "Apple H.264", "Apple AAC-LC", 44100, 2, 96000);
    CQtExportSettings* h264High = Setting(type, 1, "Apple H.264", "Apple AAC-LC", 44100, 2, 128000);
    CQtExportSettings* mpeg4 = Setting(type, 1, "Apple MPEG-4 Video", "Apple AAC-LC", 32000, 1, 64000);
    Setting(type, 2, "Apple H.264", "Apple AAC-LC", 48000, 2, 128000);

    // An empty audio name matches on TV type and video name alone.
    EXPECT_EQ(type.RoughFind(1, "Apple MPEG-4 Video", "", 0, 0, 0, 0), mpeg4);
    // An unknown video codec: any video codec with that audio format.
    EXPECT_EQ(type.RoughFind(1, "Apple None", "Apple AAC-LC", 32000, 1, 16, 64000), mpeg4);
    // The exact bit rate wins; an unlisted one gives the first of the two.
    EXPECT_EQ(type.RoughFind(1, "Apple H.264", "Apple AAC-LC", 44100, 2, 16, 128000), h264High);
    EXPECT_EQ(type.RoughFind(1, "Apple H.264", "Apple AAC-LC", 44100, 2, 16, 112000), h264Low);
    // Then without the channels, then without the rate.
    EXPECT_EQ(type.RoughFind(1, "Apple H.264", "Apple AAC-LC", 44100, 1, 16, 1), h264Low);
    EXPECT_EQ(type.RoughFind(1, "Apple H.264", "Apple AAC-LC", 22050, 1, 16, 1), h264Low);
    EXPECT_EQ(type.RoughFind(3, "Apple H.264", "", 0, 0, 0, 0), nullptr);
    EXPECT_EQ(type.Find(1, nullptr, "Apple AAC-LC", 44100, 2, 16, 128000), h264High);
    EXPECT_EQ(type.Find(1, "apple h.264", ""), nullptr); // names match exactly
}

TEST(QuickTimeExportSettingsTest, SettersAnnounceOnlyChangesAndTheBlobAlways)
{
    CQtExportSettings settings;
    Notices notices(settings);
    EXPECT_FALSE(settings.SetAudioBitrate(128000));
    EXPECT_TRUE(notices.codes.empty());
    EXPECT_TRUE(settings.SetAudioBitrate(64000));
    EXPECT_EQ(notices.codes, std::vector<long>{CQtExportSettings::kAudioBitrateChangedNotice});
    const unsigned char bytes[] = {1, 2, 3};
    settings.SetSettings(bytes, 3);
    EXPECT_EQ(settings.GetSettings().GetSize(), 3u);
    notices.codes.clear();
    settings.SetSettings(nullptr, 0);
    EXPECT_EQ(settings.GetSettings().GetSize(), 0u);
    EXPECT_EQ(notices.codes, std::vector<long>{CQtExportSettings::kSettingsChangedNotice});
}

TEST(QuickTimeExportSettingsTest, StoresKeepTheirRecordsThroughStorage)
{
    CQuickTimeExportPersist store;
    EXPECT_EQ(CQuickTimeExportPersist::sData, &store);
    EXPECT_EQ(store.Find(640), nullptr);
    // An unknown type gets an empty record rather than failing.
    EXPECT_EQ(store.RoughFind(640, 0, "", "", 0, 0, 0, 0), nullptr);
    ASSERT_NE(store.Find(640), nullptr);
    EXPECT_EQ(store.Add(640), store.Find(640));
    CQtExportSettings* saved = Setting(*store.Add(630), 0, "Apple MPEG-4 Video", "Apple AAC-LC", 22050, 1, 32000);
    const unsigned char blob[] = {9, 8, 7, 6};
    saved->SetSettings(blob, 4);

    CPersistStorage storage;
    store.Save("QuickTime Export", storage);
    storage.ResetLoad(true);
    CQuickTimeExportPersist loaded;
    loaded.Load("QuickTime Export", storage);
    ASSERT_EQ(loaded.GetTypeCount(), 2);
    CQtExportSettings* found = loaded.Find(630, 0, "Apple MPEG-4 Video", "Apple AAC-LC", 22050, 1, 16, 32000);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->GetSettings().GetSize(), 4u);
    EXPECT_EQ(found->GetSettings().GetBuffer()[3], 6);

    CQuickTimePersist compressors;
    EXPECT_EQ(CQuickTimePersist::sData, &compressors);
    compressors.GetVideoData().AddTag(0x61766331, blob, 4);
    CPersistStorage data;
    compressors.Save("QuickTime Data", data);
    data.ResetLoad(true);
    CQuickTimePersist again;
    again.Load("QuickTime Data", data);
    EXPECT_NE(again.GetVideoData().FindTag(0x61766331), nullptr);
}

TEST(QuickTimeExportSettingsTest, ExportFilesFollowTheVersionAndApplication)
{
    EXPECT_STREQ(CDirectShowSystem2::GetQtExportFileName(601, 0x07100000, 0), "QT71 Export.xml");
    EXPECT_STREQ(CDirectShowSystem2::GetQtExportFileName(601, 0x07020000, 0), "QT7 Export.xml");
    EXPECT_STREQ(CDirectShowSystem2::GetQtExportFileName(601, 0x06500000, 0), "QT Export.xml");
    EXPECT_STREQ(CDirectShowSystem2::GetQtExportFileName(640, 0x07300000, 59301), "QT71 IPOD.xml");
    EXPECT_STREQ(CDirectShowSystem2::GetQtExportFileName(640, 0x07300000, 10001), "QT71 MP4.xml");
    EXPECT_STREQ(CDirectShowSystem2::GetQtExportFileName(610, 0, 0), "QT DV.xml");
    EXPECT_STREQ(CDirectShowSystem2::GetQtExportFileName(600, 0x07300000, 0), "");
}

} // namespace
