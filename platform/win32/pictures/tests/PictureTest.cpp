#include "GdiCanvas.h"
#include "win32/gdi/Gdi.h"
#include "win32/pictures/Picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string DataPath(const char* name)
{
    return (std::filesystem::path(MV_PICTURE_SAMPLES) / name).string();
}

void Put16(std::vector<uint8_t>& b, uint32_t v) { b.push_back(v & 0xFF), b.push_back((v >> 8) & 0xFF); }
void Put32(std::vector<uint8_t>& b, uint32_t v) { Put16(b, v & 0xFFFF), Put16(b, v >> 16); }
void Put32Be(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (24 - 8 * i));
}

// A BMP file around a DIB header, its table and its pixel bytes.
std::vector<uint8_t> Bmp(const std::vector<uint8_t>& dib, size_t headerAndTable)
{
    std::vector<uint8_t> file = {'B', 'M'};
    Put32(file, static_cast<uint32_t>(14 + dib.size()));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(14 + headerAndTable));
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

std::vector<uint8_t> InfoHeader(int width, int height, int bpp, uint32_t compression, uint32_t colors,
                                uint32_t size = 40)
{
    std::vector<uint8_t> h;
    Put32(h, size);
    Put32(h, static_cast<uint32_t>(width));
    Put32(h, static_cast<uint32_t>(height));
    Put16(h, 1);
    Put16(h, static_cast<uint32_t>(bpp));
    Put32(h, compression);
    Put32(h, 0);
    Put32(h, 0);
    Put32(h, 0);
    Put32(h, colors);
    Put32(h, 0);
    h.resize(size, 0);
    return h;
}

struct Loaded {
    HBITMAP bitmap = nullptr;
    PictureError error = PictureError::None;
    explicit Loaded(const std::vector<uint8_t>& bytes) { bitmap = MvLoadPicture(bytes.data(), bytes.size(), &error); }
    ~Loaded() { DeleteObject(bitmap); }
    COLORREF At(int x, int y) const
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        COLORREF c = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteDC(dc);
        return c;
    }
    SIZE Size() const
    {
        BITMAP b{};
        GetObjectA(bitmap, sizeof(b), &b);
        return SIZE{b.bmWidth, b.bmHeight};
    }
};

std::vector<uint8_t> ReadFile(const std::string& path)
{
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
    return bytes;
}

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) < 24 && std::abs(GetGValue(a) - GetGValue(b)) < 24 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 24;
}

}

TEST(Picture, LoadsEveryFileFormatTheRightWayUp)
{
    // Each sample is 8 x 6, red with a blue 4 x 3 block at the top left.
    for (const char* name : {"picture.bmp", "picture.png", "picture.jpg", "picture.gif"}) {
        PictureError error;
        HBITMAP bitmap = MvLoadPictureFile(DataPath(name).c_str(), &error);
        ASSERT_NE(nullptr, bitmap) << name << ": " << MvPictureErrorText(error);
        Loaded view(ReadFile(DataPath(name)));
        EXPECT_EQ(8, view.Size().cx) << name;
        EXPECT_EQ(6, view.Size().cy) << name;
        EXPECT_TRUE(Near(kBlue, view.At(1, 1))) << name;
        EXPECT_TRUE(Near(kRed, view.At(6, 4))) << name;
        BITMAP b;
        GetObjectA(bitmap, sizeof(b), &b);
        EXPECT_EQ(32, b.bmBitsPixel);
        DeleteObject(bitmap);
    }
}

TEST(Picture, ReadsTheBmpFormsOtherDecodersLack)
{
    // 1 bit, two colours: row bits 1000 0000 -> first pixel blue.
    {
        std::vector<uint8_t> dib = InfoHeader(3, 2, 1, BI_RGB, 2);
        Put32(dib, 0x00FF0000);  // red
        Put32(dib, 0x000000FF);  // blue
        for (int row = 0; row < 2; ++row) Put32(dib, row == 1 ? 0x80 : 0x00);  // bottom row first
        Loaded p(Bmp(dib, 48));
        ASSERT_NE(nullptr, p.bitmap);
        EXPECT_EQ(kBlue, p.At(0, 0));
        EXPECT_EQ(kRed, p.At(1, 0));
        EXPECT_EQ(kRed, p.At(0, 1));
    }
    // RLE8: bottom row "2 x index 1, 1 x index 0", an absolute run of 3 on the top row.
    {
        std::vector<uint8_t> dib = InfoHeader(3, 2, 8, BI_RLE8, 2);
        Put32(dib, 0x00FF0000);
        Put32(dib, 0x000000FF);
        for (uint8_t b : {2, 1, 1, 0, 0, 0, 0, 3, 1, 0, 1, 0, 0, 1}) dib.push_back(b);
        Loaded p(Bmp(dib, 48));
        ASSERT_NE(nullptr, p.bitmap) << MvPictureErrorText(p.error);
        EXPECT_EQ(kBlue, p.At(0, 1));
        EXPECT_EQ(kRed, p.At(2, 1));
        EXPECT_EQ(kBlue, p.At(0, 0));
        EXPECT_EQ(kRed, p.At(1, 0));
    }
    // RLE8 rows of 1000 pixels coded as full runs, as an encoder writes a plain picture.
    {
        std::vector<uint8_t> dib = InfoHeader(1000, 30, 8, BI_RLE8, 2);
        Put32(dib, 0x00FF0000);
        Put32(dib, 0x000000FF);
        for (int row = 0; row < 30; ++row) {
            for (int run : {255, 255, 255, 235}) dib.insert(dib.end(), {uint8_t(run), 1});
            dib.insert(dib.end(), {0, 0});
        }
        dib.insert(dib.end(), {0, 1});
        Loaded p(Bmp(dib, 48));
        ASSERT_NE(nullptr, p.bitmap) << MvPictureErrorText(p.error);
        EXPECT_EQ(kBlue, p.At(999, 29));
    }
    // RLE4: a run of 4 alternating indices 1,0 on one row.
    {
        std::vector<uint8_t> dib = InfoHeader(4, 1, 4, BI_RLE4, 2);
        Put32(dib, 0x00FF0000);
        Put32(dib, 0x000000FF);
        for (uint8_t b : {4, 0x10, 0, 1}) dib.push_back(b);
        Loaded p(Bmp(dib, 48));
        ASSERT_NE(nullptr, p.bitmap) << MvPictureErrorText(p.error);
        EXPECT_EQ(kBlue, p.At(0, 0));
        EXPECT_EQ(kRed, p.At(1, 0));
        EXPECT_EQ(kBlue, p.At(2, 0));
    }
    // 16-bit 5-6-5 bit fields, top-down.
    {
        std::vector<uint8_t> dib = InfoHeader(2, -1, 16, BI_BITFIELDS, 0);
        for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(dib, m);
        Put16(dib, 0xF800);
        Put16(dib, 0x07E0);
        Loaded p(Bmp(dib, 52));
        ASSERT_NE(nullptr, p.bitmap) << MvPictureErrorText(p.error);
        EXPECT_EQ(kRed, p.At(0, 0));
        EXPECT_EQ(RGB(0, 255, 0), p.At(1, 0));
    }
    // The 12-byte core header with three-byte table entries.
    {
        std::vector<uint8_t> dib;
        Put32(dib, 12);
        Put16(dib, 2);
        Put16(dib, 1);
        Put16(dib, 1);
        Put16(dib, 1);
        for (uint8_t b : {0, 0, 255, 255, 0, 0}) dib.push_back(b);  // red, blue (B, G, R)
        Put32(dib, 0x40);
        Loaded p(Bmp(dib, 18));
        ASSERT_NE(nullptr, p.bitmap) << MvPictureErrorText(p.error);
        EXPECT_EQ(kRed, p.At(0, 0));
        EXPECT_EQ(kBlue, p.At(1, 0));
    }
    // A version 5 header keeps its masks inside the header.
    {
        std::vector<uint8_t> dib = InfoHeader(1, 1, 32, BI_BITFIELDS, 0, 124);
        uint32_t masks[] = {0x0000FF00, 0x00FF0000, 0xFF000000};
        std::memcpy(dib.data() + 40, masks, 12);
        Put32(dib, 0x0000FF00);  // red under these masks
        Loaded p(Bmp(dib, 124));
        ASSERT_NE(nullptr, p.bitmap) << MvPictureErrorText(p.error);
        EXPECT_EQ(kRed, p.At(0, 0));
    }
}

TEST(Picture, BadInputFailsClearly)
{
    std::vector<uint8_t> good = ReadFile(DataPath("picture.bmp"));
    std::vector<uint8_t> png = ReadFile(DataPath("picture.png"));
    ASSERT_FALSE(good.empty());
    ASSERT_GT(png.size(), 40u);
    std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    std::vector<uint8_t> huge = Bmp(InfoHeader(60000, 60000, 32, BI_RGB, 0), 40);
    std::vector<uint8_t> bigButEmpty = Bmp(InfoHeader(6000, 6000, 24, BI_RGB, 0), 40);
    std::vector<uint8_t> hugeRle = Bmp(InfoHeader(65000, 65000, 8, BI_RLE8, 0), 40);
    std::vector<uint8_t> cutPng(png.begin(), png.begin() + 40);
    std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0};
    std::vector<uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0};
    // An empty data chunk before the picture's own: the decoder would copy from no buffer.
    std::vector<uint8_t> emptyFirstData = png;
    const uint8_t idat[] = {'I', 'D', 'A', 'T'};
    auto firstData = std::search(emptyFirstData.begin(), emptyFirstData.end(), std::begin(idat), std::end(idat));
    ASSERT_NE(firstData, emptyFirstData.end());
    emptyFirstData.insert(firstData - 4, {0, 0, 0, 0, 'I', 'D', 'A', 'T', 0x35, 0xAF, 0x06, 0x1E});
    // 218 bytes announcing 5760 x 5760 pixels: runs and an end cannot code that many.
    std::vector<uint8_t> rleBomb = Bmp(InfoHeader(5760, 5760, 8, BI_RLE8, 1), 44);
    for (int run = 0; run < 79; ++run) rleBomb.insert(rleBomb.end(), {255, 0});
    rleBomb.insert(rleBomb.end(), {0, 1});
    // A data chunk announcing a gigabyte in a file of a few hundred bytes.
    std::vector<uint8_t> hugeData = png;
    Put32Be(hugeData, size_t(std::search(png.begin(), png.end(), std::begin(idat), std::end(idat)) - png.begin()) - 4,
            0x40000000);
    std::vector<uint8_t> rleNoEnd = Bmp(InfoHeader(4, 4, 8, BI_RLE8, 1), 44);
    rleNoEnd.insert(rleNoEnd.begin() + 54, {0, 0, 0, 0});
    struct Case { const char* what; std::vector<uint8_t> bytes; PictureError expected; };
    const Case cases[] = {
        {"empty", {}, PictureError::Empty},
        {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, PictureError::NotAPicture},
        {"truncated bmp", truncated, PictureError::Truncated},
        {"huge bmp", huge, PictureError::TooLarge},
        {"huge rle", hugeRle, PictureError::TooLarge},
        {"6000 x 6000 announced, no pixels", bigButEmpty, PictureError::Truncated},
        {"cut png", cutPng, PictureError::Malformed},
        {"png whose first data chunk is empty", emptyFirstData, PictureError::Malformed},
        {"gif announcing 65535 x 65535", gif, PictureError::TooLarge},
        {"jpeg header only", jpeg, PictureError::Malformed},
        {"rle without end", rleNoEnd, PictureError::Truncated},
        {"218-byte rle announcing 33 million pixels", rleBomb, PictureError::Truncated},
        {"png data chunk announcing a gigabyte", hugeData, PictureError::Malformed},
    };
    for (const Case& c : cases) {
        PictureError error = PictureError::None;
        HBITMAP bitmap = MvLoadPicture(c.bytes.data(), c.bytes.size(), &error);
        EXPECT_EQ(nullptr, bitmap) << c.what;
        EXPECT_EQ(c.expected, error) << c.what << ": " << MvPictureErrorText(error);
        DeleteObject(bitmap);
    }
    PictureError error;
    EXPECT_EQ(nullptr, MvLoadPictureFile("/nonexistent/picture.bmp", &error));
    EXPECT_EQ(PictureError::Empty, error);
}
