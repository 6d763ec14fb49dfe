#include "CAudioTrack.h"
#include "CMediaFile2.h"
#include "CPropertyList.h"
#include "CPropertyValue.h"
#include "CSubtitleTrack.h"
#include "CVideoTrack.h"
#include "MediaTestSupport.h"
#include "UMediaProperties.h"

#include <utility>

namespace {
using Rows = std::vector<std::pair<std::string, std::string>>;

Rows RowsOf(CPropertyList& list)
{
    Rows rows;
    for (int i = 0; i < list.GetValueCount(); ++i)
        rows.emplace_back(static_cast<const char*>(list.GetValue(i)->GetName()),
                          static_cast<const char*>(list.GetValue(i)->GetValue()));
    return rows;
}

const GUID kDecoder = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};

CVideoTrack* MakeVideo(bool decoded)
{
    auto* track = new CVideoTrack;
    track->SetFourcc(0x44495658);  // "XVID" read from the lowest byte up
    if (decoded) track->SetDecoder(kDecoder);
    track->GetVideoInfo().SetWidth(640);
    track->GetVideoInfo().SetHeight(480);
    track->GetVideoInfo().SetFrameRate(29.97);
    track->GetAspectRatio().SetOriginal(4.0 / 3.0);
    return track;
}

CAudioTrack* MakeAudio(ULONG rate)
{
    auto* track = new CAudioTrack;
    track->GetAudioInfo().SetSampleRate(rate);
    track->GetAudioInfo().SetChannel(2);
    track->GetAudioInfo().SetBitsPerSample(16);
    return track;
}
}

TEST(MediaProperties, OneTrackOfEachKindIsNotNumbered)
{
    CMediaFile2 file;
    file.GetFilePath().SetFilePath("/videos/holiday.avi");
    file.AddVideoTrack(MakeVideo(true));
    file.AddAudioTrack(MakeAudio(44100));
    CPropertyList list;
    UMediaProperties::FillProperties(list, file);
    Rows rows = RowsOf(list);
    ASSERT_EQ(15u, rows.size());
    EXPECT_EQ((std::pair<std::string, std::string>("File Name", "holiday.avi")), rows[0]);
    EXPECT_EQ("Path", rows[1].first);
    EXPECT_EQ("Type", rows[2].first);
    EXPECT_EQ((Rows{{"Video", ""},
                    {"  Compression", "XVID"},
                    {"  Decoder", "12345678-9ABC-DEF0-0123-456789ABCDEF"},
                    {"  Width", "640"},
                    {"  Height", "480"},
                    {"  Frame Rate", "29.97"},
                    {"  Aspect Ratio", "1.33"},
                    {"Audio", ""},
                    {"  Sample Rate", "44100"},
                    {"  Channel", "2"},
                    {"  Bits/Sample", "16"}}),
              Rows(rows.begin() + 3, rows.end() - 1));
    EXPECT_EQ((std::pair<std::string, std::string>("Subtitle", "0")), rows.back());
}

TEST(MediaProperties, SeveralTracksAreNumberedAndUndecodedOnesHaveNoDecoder)
{
    CMediaFile2 file;
    file.GetFilePath().SetFilePath("/videos/film.mkv");
    file.AddVideoTrack(MakeVideo(false));
    file.AddAudioTrack(MakeAudio(48000));
    file.AddAudioTrack(MakeAudio(22050));
    file.AddSubtitleTrack(new CSubtitleTrack);
    file.AddSubtitleTrack(new CSubtitleTrack);
    CPropertyList list;
    UMediaProperties::FillProperties(list, file);
    Rows rows = RowsOf(list);
    std::vector<std::string> names;
    for (auto& row : rows) names.push_back(row.first);
    EXPECT_EQ((std::vector<std::string>{"File Name", "Path", "Type", "Video", "  Width", "  Height", "  Frame Rate",
                                        "  Aspect Ratio", "Audio 1", "  Sample Rate", "  Channel", "  Bits/Sample",
                                        "Audio 2", "  Sample Rate", "  Channel", "  Bits/Sample", "Subtitle"}),
              names);
    EXPECT_EQ("22050", rows[13].second);
    EXPECT_EQ("2", rows.back().second);
}
