#include "CId3TagReader.h"
#include "CMediaTags.h"
#include "CNamedValue.h"
#include "CTagMaps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using Bytes = std::string;

Bytes SynchSafe(uint32_t n)
{
    return {char((n >> 21) & 0x7F), char((n >> 14) & 0x7F), char((n >> 7) & 0x7F), char(n & 0x7F)};
}

Bytes BigEndian(uint32_t n, int count)
{
    Bytes out;
    for (int i = count - 1; i >= 0; --i) out += char((n >> (8 * i)) & 0xFF);
    return out;
}

Bytes Frame3(const char* id, const Bytes& data, char formatFlags = 0)
{
    return Bytes(id, 4) + BigEndian(data.size(), 4) + Bytes{0, formatFlags} + data;
}

Bytes Frame4(const char* id, const Bytes& data)
{
    return Bytes(id, 4) + SynchSafe(data.size()) + Bytes(2, '\0') + data;
}

Bytes Frame2(const char* id, const Bytes& data)
{
    return Bytes(id, 3) + BigEndian(data.size(), 3) + data;
}

Bytes Tag2(int major, const Bytes& frames, char flags = 0)
{
    return Bytes("ID3") + char(major) + '\0' + flags + SynchSafe(frames.size()) + frames;
}

Bytes Text(const char* text)
{
    return Bytes(1, '\0') + text;
}

// A text in UTF-16, little- or big-endian, with or without its byte-order mark.
Bytes Utf16(const std::u16string& text, bool bigEndian, bool mark)
{
    Bytes out;
    if (mark) out += bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : text) {
        const char high = char(u >> 8), low = char(u & 0xFF);
        out += bigEndian ? Bytes{high, low} : Bytes{low, high};
    }
    return out;
}

Bytes Field(const std::string& text, size_t width)
{
    Bytes out = text.substr(0, width);
    out.resize(width, '\0');
    return out;
}

Bytes Tag1(const std::string& title, const std::string& comment, unsigned char track, unsigned char genre)
{
    return "TAG" + Field(title, 30) + Field("Artist1", 30) + Field("Album1", 30) + Field("1999", 4) +
           Field(comment, 28) + (comment.size() > 28 ? Field(comment.substr(28), 2) : Bytes{0, char(track)}) +
           char(genre);
}

class Id3TagReaderTest : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(m_path); }

    bool ReadBytes(const Bytes& file)
    {
        std::ofstream(m_path, std::ios::binary) << file;
        CId3TagReader reader(m_path.c_str());
        return reader.Read(m_tags);
    }
    std::string Value(const char* name) const
    {
        const CNamedValue* value = m_tags.FindValue(name);
        return value ? std::string(value->GetValue()) : std::string("<none>");
    }

    CTagMaps m_maps;
    CMediaTags m_tags;
    std::string m_path = (std::filesystem::temp_directory_path() / ("id3-" + std::to_string(getpid()))).string();
};

TEST_F(Id3TagReaderTest, Version1TrackOnlyBesideAShortComment)
{
    struct Case {
        std::string comment;
        const char* track;
    };
    const Case cases[] = {{"", "7"}, {std::string(28, 'c'), "7"}, {std::string(29, 'c'), "<none>"},
                          {std::string(30, 'c'), "<none>"}};
    for (const Case& c : cases) {
        m_tags.GetValues().Clear();
        EXPECT_TRUE(ReadBytes(Bytes(400, 'x') + Tag1("Title1", c.comment, 7, 17)));
        EXPECT_EQ(Value("TRK"), c.track) << c.comment.size();
        EXPECT_EQ(Value("COM"), c.comment);
        EXPECT_EQ(Value("TCO"), "Rock");
        EXPECT_EQ(Value("TYE"), "1999");
    }
}

TEST_F(Id3TagReaderTest, Version1ValuesWinOverVersion2)
{
    const Bytes tag = Tag2(3, Frame3("TIT2", Text("Title2")) + Frame3("TPE1", Text("Artist2")) +
                                   Frame3("TCOM", Text("Composer2")));
    EXPECT_TRUE(ReadBytes(tag + Tag1("Title1", "Comment1", 1, 255)));
    EXPECT_EQ(Value("TT2"), "Title1");
    EXPECT_EQ(Value("TP1"), "Artist1");
    EXPECT_EQ(Value("TAL"), "Album1");
    EXPECT_EQ(Value("COM"), "Comment1");
    EXPECT_EQ(Value("TCM"), "Composer2");
    EXPECT_EQ(Value("TCO"), "<none>");  // genre 255 is none
}

TEST_F(Id3TagReaderTest, Version2OnlyReportsNothingFound)
{
    EXPECT_FALSE(ReadBytes(Tag2(3, Frame3("TIT2", Text("Title2")))));
    EXPECT_EQ(Value("TT2"), "Title2");
    EXPECT_FALSE(ReadBytes("short"));
}

TEST_F(Id3TagReaderTest, FrameValuesByKind)
{
    const Bytes frames = Frame3("TCON", Text("(17)")) + Frame3("TALB", Bytes{1, 'A', 0}) +
                         Frame3("COMM", Bytes{0, 'e', 'n', 'g'} + "desc" + '\0' + "the comment") +
                         Frame3("WOAR", "http://example.org") + Frame3("TIT1", Text("zipped"), char(0x80)) +
                         Frame3("XXXX", Text("unknown"));
    ReadBytes(Tag2(3, frames));
    EXPECT_EQ(Value("TCO"), "Rock");
    EXPECT_EQ(Value("TAL"), "");
    EXPECT_EQ(Value("COM"), "the comment");
    EXPECT_EQ(Value("WAR"), "http://example.org");
    EXPECT_EQ(Value("TT1"), "<none>");
    EXPECT_EQ(m_tags.GetValueCount(), 4);
}

TEST_F(Id3TagReaderTest, Utf16TextsAreReadAsUtf8)
{
    const struct {
        const char* id;
        const char* tag;
        Bytes data;
        const char* value;
    } cases[] = {
        {"TIT2", "TT2", Bytes(1, '\1') + Utf16(u"Caf\u00E9 \u2615", false, true), "Caf\xC3\xA9 \xE2\x98\x95"},
        {"TPE1", "TP1", Bytes(1, '\1') + Utf16(u"\u00C5se", true, true) + Bytes(2, '\0') + "rest", "\xC3\x85se"},
        {"TALB", "TAL", Bytes(1, '\2') + Utf16(u"Big", true, false), "Big"},
        // A pair of surrogates is one character; a lone one is no character.
        {"TCOM", "TCM", Bytes(1, '\1') + Utf16(u"\U0001D11E\xD834", false, true), "\xF0\x9D\x84\x9E\xEF\xBF\xBD"},
        // Without its byte-order mark encoding 1 holds no text; UTF-8 is not read.
        {"TPE2", "TP2", Bytes(1, '\1') + Utf16(u"none", false, false), ""},
        {"TIT3", "TT3", Bytes(1, '\3') + "utf-8", ""},
        {"COMM", "COM", Bytes{1, 'e', 'n', 'g'} + Utf16(u"d", false, true) + Bytes(2, '\0') + Utf16(u"n\u00F6te", true, true),
         "n\xC3\xB6te"},
    };
    Bytes frames;
    for (const auto& c : cases) frames += Frame3(c.id, c.data);
    ReadBytes(Tag2(3, frames));
    for (const auto& c : cases) EXPECT_EQ(Value(c.tag), c.value) << c.id;
}

TEST_F(Id3TagReaderTest, WalkEndsAtZeroSizeOrOverrun)
{
    ReadBytes(Tag2(3, Frame3("TIT2", Text("First")) + Bytes(10, '\0') + Frame3("TPE1", Text("Hidden"))));
    EXPECT_EQ(Value("TT2"), "First");
    EXPECT_EQ(Value("TP1"), "<none>");

    Bytes overrun = Frame3("TIT2", Text("Second")) + Frame3("TPE1", Text("Too long"));
    overrun[10 + 7 + 7] = 100;  // the second frame's size, beyond the tag
    ReadBytes(Tag2(3, overrun));
    EXPECT_EQ(Value("TT2"), "Second");
    EXPECT_EQ(Value("TP1"), "<none>");
}

TEST_F(Id3TagReaderTest, ExtendedHeadersAndOtherVersions)
{
    const Bytes frames = Frame3("TIT2", Text("Ext3"));
    const Bytes extended3 = BigEndian(10, 4) + Bytes(2, '\0') + BigEndian(20, 4) + Bytes(4, '\0');
    ReadBytes(Tag2(3, extended3 + frames + Bytes(20, '\0'), 0x40));
    EXPECT_EQ(Value("TT2"), "Ext3");

    const Bytes extended4 = SynchSafe(6) + Bytes{1, 0};
    ReadBytes(Tag2(4, extended4 + Frame4("TPE1", Text(std::string(200, 'a').c_str())), 0x40));
    EXPECT_EQ(Value("TP1"), std::string(200, 'a'));

    ReadBytes(Tag2(2, Frame2("TT2", Text("Old")) + Frame2("TP1", Text("Old artist"))));
    EXPECT_EQ(Value("TT2"), "Old");
    EXPECT_EQ(Value("TP1"), "Old artist");

    m_tags.GetValues().Clear();
    ReadBytes(Tag2(5, frames));
    EXPECT_EQ(m_tags.GetValueCount(), 0);
}

TEST_F(Id3TagReaderTest, TagLongerThanTheFile)
{
    Bytes tag = Tag2(3, Frame3("TIT2", Text("Cut")));
    tag.replace(6, 4, SynchSafe(0x0FFFFFFF));
    EXPECT_FALSE(ReadBytes(tag));
    EXPECT_EQ(Value("TT2"), "Cut");
}

TEST_F(Id3TagReaderTest, MissingFileReadsNothing)
{
    CId3TagReader reader("/nowhere/file.mp3");
    EXPECT_FALSE(reader.Read(m_tags));
    EXPECT_EQ(m_tags.GetValueCount(), 0);
}

TEST(GenreTest, Resolution)
{
    struct Case {
        const char* text;
        const char* genre;
    };
    const Case cases[] = {{"Rock", "Rock"},        {"Nonesuch", ""},       {"(17)", "Rock"},   {"(17", ""},
                          {"(999)", ""},           {"((17))(0)", "Blues"}, {"((x))Rock", "Rock"}, {"((x)", ""},
                          {"", ""}};
    {
        CTagMaps maps;
        for (const Case& c : cases) EXPECT_EQ(CId3TagReader::ResolveGenre(c.text), c.genre) << c.text;
    }
    EXPECT_EQ(CId3TagReader::ResolveGenre("Rock"), "");
}

TEST(Id3WithoutMapsTest, OnlyVersion1TextsAreRead)
{
    ASSERT_EQ(CTagMaps::sMaps, nullptr);
    CMediaTags tags;
    const BYTE header[10] = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 20};
    const Bytes frames = Frame3("TIT2", Text("Title2"));
    CId3TagReader::ReadVersion2(header, reinterpret_cast<const BYTE*>(frames.data()),
                                static_cast<DWORD>(frames.size()), tags);
    EXPECT_EQ(tags.GetValueCount(), 0);
    const Bytes tail = Tag1("T", "C", 1, 17);
    EXPECT_TRUE(CId3TagReader::ReadVersion1(reinterpret_cast<const BYTE*>(tail.data()), tags));
    EXPECT_EQ(tags.FindValue("TCO"), nullptr);
    ASSERT_NE(tags.FindValue("TT2"), nullptr);
}

}  // namespace

namespace {

// Inserts a zero after every 0xFF, as an unsynchronising writer does.
Bytes Unsynchronise(const Bytes& bytes)
{
    Bytes out;
    for (char c : bytes) {
        out += c;
        if (static_cast<unsigned char>(c) == 0xFF) out += '\0';
    }
    return out;
}

}

TEST_F(Id3TagReaderTest, UnsynchronisedTagsReadAsTheyWereWritten)
{
    // Latin-1 texts with 0xFF in them: a writer that unsynchronises puts a zero after each.
    const Bytes title = Text("A\xFF" "B\xFF");
    const Bytes artist = Text("\xFF\xFF" "C");

    // Version 2.3: the whole tag, frame headers included; sizes count the stored bytes.
    const Bytes frames3 = Frame3("TIT2", title) + Frame3("TPE1", artist);
    ReadBytes(Tag2(3, Unsynchronise(frames3), char(0x80)));
    EXPECT_EQ(Value("TT2"), "A\xFF" "B\xFF");
    EXPECT_EQ(Value("TP1"), "\xFF\xFF" "C");

    // Version 2.4: frame by frame, marked on the frame or for all of them in the header.
    Bytes marked = Unsynchronise(title);
    Bytes frame4 = Frame4("TIT2", marked);
    frame4[9] = 0x02;
    ReadBytes(Tag2(4, frame4 + Frame4("TPE1", Text("Plain"))));
    EXPECT_EQ(Value("TT2"), "A\xFF" "B\xFF");
    EXPECT_EQ(Value("TP1"), "Plain");

    ReadBytes(Tag2(4, Frame4("TPE1", Unsynchronise(artist)), char(0x80)));
    EXPECT_EQ(Value("TP1"), "\xFF\xFF" "C");

    // A data length ahead of the frame's text is passed over.
    Bytes withLength = Frame4("TALB", SynchSafe(title.size()) + Unsynchronise(title));
    withLength[9] = 0x03;
    ReadBytes(Tag2(4, withLength));
    EXPECT_EQ(Value("TAL"), "A\xFF" "B\xFF");
}

TEST_F(Id3TagReaderTest, LargeFramesArePassedOverUnread)
{
    // A picture larger than any text frame, then the title.
    const Bytes picture = Frame3("APIC", Bytes(CId3TagReader::kMaxFrameSize + 1000, 'p'));
    const Bytes longTitle = Frame3("TIT1", Text(std::string(CId3TagReader::kMaxFrameSize, 't').c_str()));
    ReadBytes(Tag2(3, picture + longTitle + Frame3("TIT2", Text("After the picture"))));
    EXPECT_EQ(Value("TT2"), "After the picture");
    EXPECT_EQ(Value("TT1"), "<none>") << "a text frame beyond the cap is not read";
}
