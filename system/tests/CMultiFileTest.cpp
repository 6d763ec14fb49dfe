#include "CMultiFile.h"
#include "CMultiFileRange.h"
#include "CMultiFileSegment.h"

#include "win32/TestHome.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {

// Segments of 100 and 50 bytes: byte i of the logical file is i.
class MultiFile : public ::testing::Test {
protected:
    MultiFile()
    {
        Write(First(), 0, 100);
        Write(Second(), 100, 50);
    }
    std::string First() const { return m_home.Path() + "/part1.bin"; }
    std::string Second() const { return m_home.Path() + "/part2.bin"; }
    static void Write(const std::string& path, int from, int count)
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < count; ++i) out.put(static_cast<char>(from + i));
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    template <class File>
    void AddBoth(File& file)
    {
        file.Add(First().c_str());
        file.Add(Second().c_str());
    }
    MvTestHome m_home;
};

}

TEST_F(MultiFile, ReadsRunOnAcrossSegments)
{
    CMultiFile file;
    EXPECT_FALSE(file.Open(false));
    AddBoth(file);
    ASSERT_TRUE(file.Open(false));
    EXPECT_EQ(150, file.GetSize());
    unsigned char bytes[200];
    EXPECT_EQ(150u, file.Read(bytes, 150));
    for (int i = 0; i < 150; ++i) ASSERT_EQ(i, bytes[i]);
    EXPECT_STREQ("part2.bin", file.GetText());
    EXPECT_EQ(0u, file.Read(bytes, 10));

    EXPECT_EQ(120, file.SeekFromBegin(120));
    EXPECT_STREQ("part2.bin", file.GetText());
    EXPECT_EQ(120, file.GetPhysicalPosition());
    EXPECT_EQ(30u, file.Read(bytes, 40));
    EXPECT_EQ(120, bytes[0]);

    EXPECT_EQ(0, file.SeekFromBegin(0));
    EXPECT_EQ(90, file.SeekFromCurrent(90));
    EXPECT_EQ(140, file.Seek(10, 2));
    EXPECT_EQ(140, bytes[file.Read(bytes, 1) - 1]);
    file.Close();
}

TEST_F(MultiFile, SeeksThatFindNothingFailDistinctly)
{
    CMultiFile file;
    AddBoth(file);
    ASSERT_TRUE(file.Open(false));
    EXPECT_EQ(CMultiFile::kSeekFailed, file.SeekFromBegin(150));
    EXPECT_EQ(nullptr, file.GetCurrentSegment());
    unsigned char bytes[10];
    EXPECT_EQ(0u, file.Read(bytes, 10));
    EXPECT_STREQ("", file.GetText());
    EXPECT_EQ(CMultiFile::kSeekFailed, file.Seek(5, 3));
    EXPECT_EQ(CMultiFile::kSeekFailed, file.SeekFromBegin(-1));
    EXPECT_EQ(0, file.SeekFromBegin(0)); // position 0 is not a failure
}

TEST_F(MultiFile, WritesStopAtEachSegmentsEnd)
{
    CMultiFile file;
    AddBoth(file);
    ASSERT_TRUE(file.Open(true));
    ASSERT_EQ(90, file.SeekFromBegin(90));
    std::string block(30, 'w');
    EXPECT_EQ(30u, file.Write(reinterpret_cast<const unsigned char*>(block.data()), 30));
    file.SeekFromBegin(140);
    EXPECT_EQ(10u, file.Write(reinterpret_cast<const unsigned char*>(block.data()), 30));
    file.Close();
    std::string first = Read(First()), second = Read(Second());
    ASSERT_EQ(100u, first.size());
    ASSERT_EQ(50u, second.size());
    EXPECT_EQ(std::string(10, 'w'), first.substr(90));
    EXPECT_EQ(std::string(20, 'w'), second.substr(0, 20));
    EXPECT_EQ(std::string(10, 'w'), second.substr(40));
    EXPECT_EQ(120, static_cast<unsigned char>(second[20]));
}

TEST_F(MultiFile, AMissingSegmentFailsTheOpen)
{
    CMultiFile file;
    file.Add(First().c_str());
    file.Add((m_home.Path() + "/missing.bin").c_str());
    EXPECT_FALSE(file.Open(false));
    file.Close();
    file.Reset();
    EXPECT_EQ(0, file.GetSize());
}

TEST_F(MultiFile, ARangeCountsFromItsStartAndNeverReadsPastItsEnd)
{
    CMultiFileRange range;
    AddBoth(range);
    range.SetStart(100);
    ASSERT_TRUE(range.Open(false));
    EXPECT_EQ(50, range.GetSize());
    EXPECT_STREQ("part2.bin", range.GetText());
    unsigned char bytes[100];
    EXPECT_EQ(10u, range.Read(bytes, 10));
    EXPECT_EQ(100, bytes[0]);
    EXPECT_EQ(CMultiFile::kSeekFailed, range.SeekFromBegin(-50));

    range.SetStart(10);
    range.SetEnd(120);
    EXPECT_EQ(110, range.GetSize());
    EXPECT_EQ(100, range.SeekFromBegin(100));
    EXPECT_EQ(10u, range.Read(bytes, 50));
    EXPECT_EQ(110, bytes[0]);
    EXPECT_EQ(0u, range.Read(bytes, 50)); // at the end
    range.SetEnd(105);                    // now behind the position: nothing, no wrap-around
    EXPECT_EQ(0u, range.Read(bytes, 50));
    range.SetEnd(0);
    EXPECT_EQ(130, range.SeekFromEnd(10));
    EXPECT_EQ(5u, range.Read(bytes, 5));
    EXPECT_EQ(140, bytes[0]);
    EXPECT_EQ(125, range.SeekFromCurrent(-10)); // from physical 145: 145 - 10 - 10
    range.Reset();
    EXPECT_EQ(0, range.GetStart());
    EXPECT_EQ(0, range.GetSize());
}

TEST_F(MultiFile, PositionsFromTwoGigabytesUpAreReachedInASegment)
{
    // A sparse 3 GB segment after the 100-byte one: only its marker takes room on disk.
    std::string big = m_home.Path() + "/big.bin";
    const int64_t markerAt = int64_t(5) << 29; // 2.5 GB
    {
        std::ofstream out(big, std::ios::binary);
        out.seekp(markerAt);
        out << "mark";
        out.seekp((int64_t(3) << 30) - 1);
        out.put('\0');
        ASSERT_TRUE(out.good());
    }
    CMultiFile file;
    file.Add(First().c_str());
    file.Add(big.c_str());
    ASSERT_TRUE(file.Open(false));
    EXPECT_EQ(100 + (int64_t(3) << 30), file.GetSize());
    EXPECT_EQ(100 + markerAt, file.SeekFromBegin(100 + markerAt));
    EXPECT_EQ(100 + markerAt, file.GetPhysicalPosition());
    char text[4] = {};
    ASSERT_EQ(4u, file.Read(reinterpret_cast<unsigned char*>(text), 4));
    EXPECT_EQ("mark", std::string(text, 4));
    file.Close();
}
