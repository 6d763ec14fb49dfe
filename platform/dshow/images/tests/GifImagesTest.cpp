#include "dshow/images/GifImages.h"
#include "dshow/images/ImageSeriesWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

} // namespace

TEST(GifImages, LaterPicturesTakeTheFirstOnesHeaderAndEveryFileItsTrailer)
{
    // A screen descriptor whose flags announce a palette of 2 colours (6 bytes).
    std::string header = std::string("GIF89a") + std::string("\x04\x00\x02\x00\x80\x00\x00", 7) + "RGBrgb";
    const std::string firstPicture = std::string("!\xF9\x04\x00\x00\x00\x00\x00,picture1\x00", 18);
    const std::string laterPicture = std::string("!\xF9\x04\x00\x05\x00\x00\x00,picture2\x00", 18);
    EXPECT_EQ(CGifImages::HeaderLength(Bytes(header + firstPicture).data(), header.size() + firstPicture.size()),
              header.size());
    EXPECT_EQ(CGifImages::HeaderLength(Bytes(laterPicture).data(), laterPicture.size()), 0u);
    // A palette longer than the data is no header.
    EXPECT_EQ(CGifImages::HeaderLength(Bytes(header).data(), header.size() - 1), 0u);

    CGifImages images;
    std::vector<uint8_t> file;
    const std::vector<uint8_t> later = Bytes(laterPicture);
    EXPECT_FALSE(images.MakeFile(later.data(), later.size(), file));
    const std::vector<uint8_t> first = Bytes(header + firstPicture);
    ASSERT_TRUE(images.MakeFile(first.data(), first.size(), file));
    EXPECT_EQ(file, Bytes(header + firstPicture + ";"));
    ASSERT_TRUE(images.MakeFile(later.data(), later.size(), file));
    EXPECT_EQ(file, Bytes(header + laterPicture + ";"));
    // A picture that brings its trailer keeps just the one.
    const std::vector<uint8_t> ended = Bytes(laterPicture + ";");
    ASSERT_TRUE(images.MakeFile(ended.data(), ended.size(), file));
    EXPECT_EQ(file, Bytes(header + laterPicture + ";"));
    images.Reset();
    EXPECT_FALSE(images.MakeFile(later.data(), later.size(), file));
}

TEST(ImageSeriesWriter, ImagesAreNumberedInTheirFolderOrAfterTheirName)
{
    const struct {
        const char* path;
        const char* extension;
        long number;
        const char* expected;
    } cases[] = {
        {"/out/clip.Images", "jpg", 1, "/out/clip.Images/00001.jpg"},
        {"/out/clip.images", "bmp", 12, "/out/clip.images/00012.bmp"},
        {"/out/clip_1.Images/n.gif", "gif", 3, "/out/clip_1.Images/n00003.gif"},
        {"/out/shot.jpg", "jpg", 100000, "/out/shot100000.jpg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CImageSeriesWriter::ImagePath(c.path, c.extension, c.number).string(), c.expected) << c.path;
}
