#include "CBitmapFeeder.h"
#include "CBitmapLoader.h"
#include "CDcBitmapFeeder.h"
#include "CDcBitmapLoader.h"
#include "UBitmapUtils.h"
#include "UColorSpace.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

std::string Sample(const char* name)
{
    return (std::filesystem::path(MV_PICTURE_SAMPLES) / name).string();
}

// A scratch file removed at the end of the test.
struct TempFile {
    explicit TempFile(const std::string& bytes)
        : path((std::filesystem::temp_directory_path() / ("mvsys-bmp-" + std::to_string(::getpid()) + "-" +
                                                           std::to_string(sCount++)))
                   .string())
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    ~TempFile() { std::filesystem::remove(path); }
    std::string path;
    static inline int sCount = 0;
};

uint32_t Pixel32(const BYTE* data, int stride, int x, int y)
{
    const BYTE* p = data + y * stride + x * 4;
    return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

// The samples' colours pass through a lossy conversion; compare by the dominant channel.
bool IsBlue(uint32_t rgb) { return (rgb & 0xFF) > 0xC0 && (rgb >> 16) < 0x40; }

}

TEST(BitmapFeeder, BufferSizeFollowsFormatAndSize)
{
    CBitmapFeeder feeder;
    EXPECT_EQ(kColorArgb32, feeder.GetColor());
    EXPECT_EQ(nullptr, feeder.GetBuffer());  // no size, no buffer
    feeder.SetColor(kColorRgb24);
    feeder.SetBitmapWidth(320);
    feeder.SetBitmapHeight(240);
    EXPECT_EQ(UColorSpace::GetImageSize(24, 320, 240), feeder.GetBufferSize());
    EXPECT_NE(nullptr, feeder.GetBuffer());
    feeder.SetBufferSize(1000);
    EXPECT_EQ(1000u, feeder.GetBufferSize());
    feeder.ResetBuffer();
    struct Case { EColorFormat color; unsigned short depth; };
    for (Case c : {Case{kColorRgb555, 16}, Case{kColorRgb565, 16}, Case{kColorRgb24, 24}, Case{kColorArgb32, 32},
                   Case{kColorRgb8, 32}}) {
        feeder.SetColor(c.color);
        EXPECT_EQ(c.depth, feeder.GetColorDepth()) << c.color;
    }
}

TEST(BitmapFeeder, DcFeederDrawsIntoItsOwnBuffer)
{
    CDcBitmapFeeder feeder;
    const CValueList& colors = feeder.GetColorList();
    ASSERT_EQ(4, colors.GetItemCount());
    feeder.SetColor(kColorRgb565);
    feeder.SetBitmapWidth(8);
    feeder.SetBitmapHeight(4);
    feeder.SetNegativeHeight(true);
    BYTE* buffer = feeder.GetBuffer();
    ASSERT_NE(nullptr, buffer);
    ASSERT_NE(nullptr, feeder.GetDc());
    HGDIOBJ old = SelectObject(feeder.GetDc(), feeder.GetBitmap());
    SetPixel(feeder.GetDc(), 0, 0, RGB(255, 0, 0));
    SelectObject(feeder.GetDc(), old);
    EXPECT_EQ(0x00, buffer[0]);  // top-down: the first row in memory is the top
    EXPECT_EQ(0xF8, buffer[1]);
    feeder.ResetBuffer();
    EXPECT_EQ(nullptr, feeder.GetBitmap());
}

TEST(BitmapLoader, LoadsPictureFilesAndRefusesOthers)
{
    CBitmapLoader loader;
    EXPECT_FALSE(loader.Load("/nonexistent/picture.jpg"));
    EXPECT_EQ(nullptr, loader.GetBitmap());
    EXPECT_EQ(0, loader.GetWidth());
    ASSERT_TRUE(loader.Load(Sample("picture.jpg").c_str()));
    EXPECT_EQ(8, loader.GetWidth());
    EXPECT_EQ(-6, loader.GetHeight());
    EXPECT_EQ(kColorArgb32, loader.GetColor());
    std::unique_ptr<BYTE[]> data(loader.GetData());
    ASSERT_NE(nullptr, data);
    EXPECT_TRUE(IsBlue(Pixel32(data.get(), 32, 0, 0)));  // the blue block is at the top left
    EXPECT_FALSE(IsBlue(Pixel32(data.get(), 32, 0, 5)));

    TempFile empty("");
    TempFile text("not a picture at all");
    EXPECT_FALSE(loader.Load(empty.path.c_str()));
    EXPECT_FALSE(loader.Load(text.path.c_str()));
    EXPECT_EQ(nullptr, loader.GetBitmap());
    EXPECT_EQ(nullptr, loader.GetData());
}

TEST(BitmapLoader, DcLoaderKeepsABottomUpCopy)
{
    CBitmapLoader plain;
    CDcBitmapLoader loader;
    ASSERT_TRUE(plain.Load(Sample("picture.bmp").c_str()));
    ASSERT_TRUE(loader.Load(Sample("picture.bmp").c_str()));
    EXPECT_EQ(-6, plain.GetHeight());
    EXPECT_EQ(6, loader.GetHeight());
    EXPECT_EQ(kColorArgb32, loader.GetColor());
    BYTE* data = loader.GetData();
    ASSERT_NE(nullptr, data);
    EXPECT_TRUE(IsBlue(Pixel32(data, 32, 0, 5)));  // the top row is last in memory
    EXPECT_FALSE(IsBlue(Pixel32(data, 32, 0, 0)));
    loader.Detach();
    EXPECT_EQ(nullptr, loader.GetData());
}

TEST(BitmapLoader, ResourcesLoadByModuleAndId)
{
    auto folder = std::filesystem::temp_directory_path() / ("mvsys-res-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(Sample("picture.bmp"), folder / "42.bmp",
                               std::filesystem::copy_options::overwrite_existing);
    MvSetResourceFolder(GetModuleHandle(nullptr), folder.c_str());
    CDcBitmapLoader loader;
    ASSERT_TRUE(loader.Load(nullptr, 42));
    EXPECT_EQ(8, loader.GetWidth());
    EXPECT_FALSE(loader.Load(nullptr, 43));
    EXPECT_FALSE(loader.Load("no-such-module", 42));
    MvSetResourceFolder(GetModuleHandle(nullptr), nullptr);

    // A library's resources, registered under its own handle, are found by its name.
    ASSERT_NE(nullptr, GetModuleHandle("mvsys.dll"));
    MvSetResourceFolder(GetModuleHandle("mvsys.dll"), folder.c_str());
    EXPECT_FALSE(loader.Load(nullptr, 42));
    ASSERT_TRUE(loader.Load("mvsys.dll", 42));
    EXPECT_EQ(6, loader.GetHeight());
    MvSetResourceFolder(GetModuleHandle("mvsys.dll"), nullptr);
    EXPECT_FALSE(loader.Load("mvsys.dll", 42));
    std::filesystem::remove_all(folder);
}

namespace {

// A loader over a bitmap made in the test.
struct AdoptingLoader : CBitmapLoader {
    void Adopt(HBITMAP bitmap)
    {
        Detach();
        mBitmap = bitmap;
    }
};

HBITMAP MakeDib(int bits, DWORD compression, DWORD redMask)
{
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = 5;
    info.header.biHeight = 3;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bits);
    info.header.biCompression = compression;
    if (compression == BI_BITFIELDS) {
        bool is565 = redMask == 0xF800;
        info.masks[0] = redMask;
        info.masks[1] = is565 ? 0x07E0 : 0x03E0;
        info.masks[2] = 0x001F;
    }
    void* pixels = nullptr;
    return CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
}

}

TEST(BitmapLoader, ColourFormatAndPixelsFollowTheBitmapsDepth)
{
    struct Case {
        int bits;
        DWORD compression;
        DWORD redMask;
        EColorFormat expected;
    };
    const Case cases[] = {{1, BI_RGB, 0, kColorNone},          {8, BI_RGB, 0, kColorRgb8},
                          {16, BI_RGB, 0, kColorRgb555},       {16, BI_BITFIELDS, 0x7C00, kColorRgb555},
                          {16, BI_BITFIELDS, 0xF800, kColorRgb565}, {24, BI_RGB, 0, kColorRgb24},
                          {32, BI_RGB, 0, kColorArgb32}};
    AdoptingLoader loader;
    for (const Case& c : cases) {
        HBITMAP bitmap = MakeDib(c.bits, c.compression, c.redMask);
        ASSERT_NE(nullptr, bitmap) << c.bits;
        loader.Adopt(bitmap);
        EXPECT_EQ(c.expected, loader.GetColor()) << c.bits << " bits, red mask " << c.redMask;
        EXPECT_EQ(5, loader.GetWidth());
        EXPECT_EQ(-3, loader.GetHeight());
        std::unique_ptr<BYTE[]> data(loader.GetData());
        EXPECT_NE(nullptr, data) << c.bits;
    }
    loader.Detach();
    EXPECT_EQ(kColorNone, loader.GetColor());
    EXPECT_EQ(nullptr, loader.GetData());
    EXPECT_EQ(0, loader.GetHeight());
}

TEST(BitmapUtils, MakeMonochromeGreysBrightPixelsOnly)
{
    EXPECT_EQ(2, UBitmapUtils::GetBytesPerPixel(15));
    EXPECT_EQ(3, UBitmapUtils::GetBytesPerPixel(24));
    EXPECT_EQ(0, UBitmapUtils::GetBytesPerPixel(8));
    UColorSpace::Initialize();
    BYTE grey = UColorSpace::YCbCrtoR(128, 128, 128);
    for (UINT depth : {16u, 24u, 32u}) {
        HBITMAP bitmap = CreateBitmap(3, 1, 1, depth, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SetPixel(dc, 0, 0, RGB(0, 0, 0));
        SetPixel(dc, 1, 0, RGB(255, 0, 0));
        SetPixel(dc, 2, 0, RGB(255, 255, 255));
        SelectObject(dc, old);
        UBitmapUtils::MakeMonochrome(bitmap);
        old = SelectObject(dc, bitmap);
        EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 0, 0)) << depth;
        COLORREF red = GetPixel(dc, 1, 0);
        EXPECT_NEAR(grey, GetRValue(red), depth == 16 ? 8 : 0) << depth;
        EXPECT_EQ(GetRValue(red), GetBValue(red)) << depth;
        COLORREF white = GetPixel(dc, 2, 0);
        EXPECT_GE(GetRValue(white), 0xF0) << depth;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HBITMAP none = nullptr;
    UBitmapUtils::MakeMonochrome(none);
    EXPECT_EQ(nullptr, none);
}
