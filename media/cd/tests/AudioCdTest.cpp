#include "CAudioCdReader2.h"
#include "CAudioCdTrack2.h"
#include "MediaTestSupport.h"

namespace {

CAudioCdTrack2* Track(unsigned char number, bool audio, ULONG blocks)
{
    auto* track = new CAudioCdTrack2;
    track->SetTrackNumber(number);
    track->SetIsAudioTrack(audio);
    track->SetStartAddress(number * 1000u);
    track->SetBlockCount(blocks);
    return track;
}

}

TEST(AudioCdTrack, BlocksAreSeventyFifthsOfASecond)
{
    CAudioCdTrack2 track;
    EXPECT_TRUE(track.IsInstanceOf(Code("mif2")));
    track.SetBlockCount(13500);
    EXPECT_DOUBLE_EQ(180, track.GetDuration());
    EXPECT_DOUBLE_EQ(180, track.GetConversionDuration());
}

TEST(AudioCdTrack, OnlyAudioTracksAreChecked)
{
    CAudioCdTrack2 track;
    NoticeLog log(track);
    EXPECT_FALSE(track.SetChecked(true));
    EXPECT_TRUE(track.SetIsAudioTrack(true));
    EXPECT_TRUE(track.GetChecked());
    EXPECT_EQ((Codes{"act4", "act7"}), log.codes);
    EXPECT_TRUE(track.SetChecked(false));
    EXPECT_TRUE(track.SetChecked(true));
    log.codes.clear();
    EXPECT_TRUE(track.SetIsAudioTrack(false));
    EXPECT_FALSE(track.GetChecked());
    EXPECT_EQ((Codes{"act4", "act7"}), log.codes);
    track.SetTrackNumber(3);
    track.SetStartAddress(150);
    track.SetBlockCount(75);
    EXPECT_EQ((Codes{"act4", "act7", "act3", "act5", "act6"}), log.codes);
}

TEST(AudioCdTrack, StoresOnlyItsOwnValues)
{
    CAudioCdTrack2 track;
    track.SetTrackNumber(7);
    track.SetIsAudioTrack(true);
    track.SetStartAddress(22000);
    track.SetBlockCount(13500);
    track.SetEstimatedSize(5000);
    track.GetOutputFile().SetFilePath("/music/07.mp3");
    std::string xml = XmlText(track);
    // The output file is a whole object of its own; the track's own part comes first.
    std::string own = xml.substr(0, xml.find("<output>")) + xml.substr(xml.find("</output>"));
    EXPECT_EQ(std::string::npos, own.find("obj_id"));
    EXPECT_EQ(std::string::npos, own.find("obj_ver"));
    EXPECT_EQ(std::string::npos, own.find("estimate"));
    for (const char* element : {"track", "is_audio", "start", "blocks", "checked", "output"})
        EXPECT_TRUE(HasElement(xml, element)) << element;
    for (int copyXml = 0; copyXml < 2; ++copyXml) {
        auto copy = copyXml ? XmlCopy(track) : BinaryCopy(track);
        EXPECT_EQ(7, copy->GetTrackNumber());
        EXPECT_TRUE(copy->GetIsAudioTrack());
        EXPECT_EQ(22000u, copy->GetStartAddress());
        EXPECT_EQ(13500u, copy->GetBlockCount());
        EXPECT_TRUE(copy->GetChecked());
        EXPECT_EQ(0u, copy->GetEstimatedSize());
        EXPECT_STREQ("/music/07.mp3", copy->GetOutputFile().GetFilePath());
    }
}

TEST(AudioCdReader, CountsCheckedTracksAndSurvivesBothStorages)
{
    CAudioCdReader2 reader;
    reader.AddTrack(Track(1, true, 100));
    reader.AddTrack(Track(2, true, 200));
    reader.AddTrack(Track(3, false, 300));
    reader.AddTrack(Track(4, true, 400));
    EXPECT_EQ(3, reader.GetCheckedTrackCount());
    EXPECT_EQ(2, reader.GetTrackIndex(reader.GetTrack(2)));
    EXPECT_EQ(nullptr, reader.GetTrack(4));
    for (int xml = 0; xml < 2; ++xml) {
        auto copy = xml ? XmlCopy(reader) : BinaryCopy(reader);
        ASSERT_EQ(4, copy->GetTrackCount());
        EXPECT_EQ(3, copy->GetCheckedTrackCount());
        EXPECT_EQ(4, copy->GetTrack(3)->GetTrackNumber());
        EXPECT_EQ(300u, copy->GetTrack(2)->GetBlockCount());
    }
    reader.RemoveTrack(reader.GetTrack(2));
    EXPECT_EQ(3, reader.GetTrackCount());
    reader.Clear();
    EXPECT_EQ(0, reader.GetTrackCount());
}
