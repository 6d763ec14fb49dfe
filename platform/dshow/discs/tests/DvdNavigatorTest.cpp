#include "dshow/discs/DvdNavigator.h"

#include "com/ComRuntime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A program stream pack: the 14-byte pack header, then the given packets.
std::vector<BYTE> Pack(const std::vector<std::vector<BYTE>>& packets)
{
    std::vector<BYTE> pack = {0, 0, 1, 0xBA, 0x44, 0, 4, 0, 4, 1, 1, 0x89, 0xC3, 0xF8};
    for (const auto& p : packets) pack.insert(pack.end(), p.begin(), p.end());
    return pack;
}

// A PES packet with a presentation time of 90000 (one second) and the payload.
std::vector<BYTE> Pes(BYTE id, const std::vector<BYTE>& payload)
{
    const size_t length = 3 + 5 + payload.size();
    std::vector<BYTE> p = {0, 0, 1, id, BYTE(length >> 8), BYTE(length), 0x81, 0x80, 5, 0x21, 0x00, 0x05, 0xBF, 0x21};
    p.insert(p.end(), payload.begin(), payload.end());
    return p;
}

TEST(DvdNavigatorTest, PacksSplitIntoTheVideoAndTheChosenAudio)
{
    const std::vector<BYTE> pack = Pack({
        Pes(0xE0, {1, 2, 3}),
        Pes(0xBD, {0x81, 1, 0, 1, 7, 7}),   // AC-3 substream 1: not chosen
        Pes(0xBD, {0x80, 1, 0, 1, 9, 9}),   // AC-3 substream 0
        Pes(0xBD, {0x20, 5, 5}),            // a sub-picture
        {0, 0, 1, 0xBE, 0, 2, 0xFF, 0xFF},  // padding
    });
    const auto payloads = CDvdNavigator::SplitPack(pack.data(), pack.size(), 0x80);
    ASSERT_EQ(payloads.size(), 2u);
    EXPECT_TRUE(payloads[0].video);
    EXPECT_EQ(payloads[0].size, 3u);
    EXPECT_EQ(payloads[0].data[0], 1);
    EXPECT_EQ(payloads[0].pts, 90000);
    EXPECT_FALSE(payloads[1].video);
    EXPECT_EQ(payloads[1].size, 2u);
    EXPECT_EQ(payloads[1].data[0], 9);
}

TEST(DvdNavigatorTest, DamagedPacksGiveOnlyWhatTheyHoldWhole)
{
    std::vector<BYTE> pack = Pack({Pes(0xE0, {1, 2, 3}), Pes(0xE0, {4, 5, 6})});
    // The second packet announces more than the pack holds.
    pack.resize(pack.size() - 2);
    EXPECT_EQ(CDvdNavigator::SplitPack(pack.data(), pack.size(), 0x80).size(), 1u);
    EXPECT_TRUE(CDvdNavigator::SplitPack(pack.data(), 10, 0x80).empty());
    EXPECT_TRUE(CDvdNavigator::SplitPack(nullptr, 2048, 0x80).empty());
    const std::vector<BYTE> noise(2048, 0xAB);
    EXPECT_TRUE(CDvdNavigator::SplitPack(noise.data(), noise.size(), 0x80).empty());
    // A packet whose header announces a time it does not hold, at the pack's very end.
    const std::vector<BYTE> untimed = Pack({{0, 0, 1, 0xE0, 0, 4, 0x81, 0x80, 5, 0x21}});
    EXPECT_TRUE(CDvdNavigator::SplitPack(untimed.data(), untimed.size(), 0x80).empty());
    // A packet too short for its own header.
    const std::vector<BYTE> tiny = Pack({{0, 0, 1, 0xE0, 0, 1, 0x81}});
    EXPECT_TRUE(CDvdNavigator::SplitPack(tiny.data(), tiny.size(), 0x80).empty());
}

TEST(DvdNavigatorTest, WithoutAFolderNothingIsAnsweredAndBadFoldersAreRefused)
{
    CoInitialize(nullptr);
    IBaseFilter* filter = nullptr;
    ASSERT_EQ(CDvdNavigator::Create(IBaseFilter::kIid, reinterpret_cast<void**>(&filter)), S_OK);
    IDvdInfo2* info = nullptr;
    IDvdControl2* control = nullptr;
    ASSERT_EQ(QueryInterfaceTo(filter, &info), S_OK);
    ASSERT_EQ(QueryInterfaceTo(filter, &control), S_OK);
    ULONG volumes = 0, volume = 0, titles = 0;
    DVD_DISC_SIDE side = DVD_SIDE_A;
    EXPECT_TRUE(FAILED(info->GetDVDVolumeInfo(&volumes, &volume, &side, &titles)));
    EXPECT_TRUE(FAILED(control->SetDVDDirectory(u"/nonexistent/folder")));
    EXPECT_TRUE(FAILED(control->PlayChaptersAutoStop(1, 1, 1, 0, nullptr)));
    EXPECT_TRUE(FAILED(control->SelectAngle(1, 0, nullptr)));
    control->Release();
    info->Release();
    filter->Release();
    CoUninitialize();
}

} // namespace
