#include "GdiCanvas.h"
#include "IcoTestFile.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"

#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

// A 4 x 4 .ico/.cur of one 24-bit DIB entry: left half red, right half blue, and the
// AND mask making the top row transparent (black there, as icon editors store it).
std::vector<uint8_t> IconFile(bool cursor, int hotX = 0, int hotY = 0)
{
    return Ico24(
        4, 4, [](int x, int y) -> uint32_t { return y == 0 ? 0 : x < 2 ? 0xFF0000u : 0x0000FFu; },
        [](int, int y) { return y == 0; }, cursor, hotX, hotY);
}

}

TEST(Icon, IconFilesDrawThroughTheirMask)
{
    std::vector<uint8_t> file = IconFile(false);
    HICON icon = MvCreateIconFromData(file.data(), file.size(), false, 0, 0);
    ASSERT_NE(nullptr, icon);
    GdiCanvas canvas(6, 6, RGB(0, 255, 0));
    ASSERT_TRUE(DrawIcon(canvas.Dc(), 1, 1, icon));
    EXPECT_EQ(RGB(0, 255, 0), canvas.At(1, 1));  // masked top row
    EXPECT_EQ(RGB(255, 0, 0), canvas.At(1, 2));
    EXPECT_EQ(RGB(0, 0, 255), canvas.At(4, 4));
    EXPECT_EQ(RGB(0, 255, 0), canvas.At(5, 5));

    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP b;
    GetObjectA(info.hbmColor, sizeof(b), &b);
    EXPECT_EQ(4, b.bmWidth);
    GetObjectA(info.hbmMask, sizeof(b), &b);
    EXPECT_EQ(1, b.bmBitsPixel);
    // An icon made back from its own information draws the same.
    HICON again = CreateIconIndirect(&info);
    GdiCanvas second(6, 6, RGB(0, 255, 0));
    DrawIcon(second.Dc(), 1, 1, again);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(canvas.At(x, y), second.At(x, y)) << x << "," << y;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(again);
    DestroyIcon(icon);
}

TEST(Icon, CursorsKeepTheirHotSpotAndStockShapesExist)
{
    std::vector<uint8_t> file = IconFile(true, 2, 3);
    HCURSOR cursor = MvCreateIconFromData(file.data(), file.size(), true, 32, 32);
    ASSERT_NE(nullptr, cursor);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(2u, info.xHotspot);
    EXPECT_EQ(3u, info.yHotspot);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);

    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_NE(nullptr, arrow);
    EXPECT_EQ(arrow, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_TRUE(DestroyCursor(arrow));  // stock shapes survive
    EXPECT_EQ(nullptr, SetCursor(arrow));
    EXPECT_EQ(arrow, GetCursor());
    SetCursor(nullptr);
    GdiCanvas canvas(40, 40, RGB(0, 255, 0));
    DrawIcon(canvas.Dc(), 0, 0, LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_NE(RGB(0, 255, 0), canvas.At(16, 16));
    EXPECT_EQ(RGB(0, 255, 0), canvas.At(0, 0));
}

TEST(Icon, BitFieldIconsFindTheirMaskAfterTheFieldMasks)
{
    // An 8 x 2 icon of 16-bit 5-6-5 pixels whose three field masks follow its 40-byte
    // header: the AND mask hides the top row, the bottom row is red.
    std::vector<uint8_t> image;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) image.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put(40, 4), put(8, 4), put(4, 4), put(1, 2), put(16, 2), put(3 /* BI_BITFIELDS */, 4);
    image.resize(40, 0);
    put(0xF800, 4), put(0x07E0, 4), put(0x001F, 4);
    for (int i = 0; i < 8; ++i) put(0xF800, 2);  // bottom row
    for (int i = 0; i < 8; ++i) put(0, 2);       // top row, black under its mask
    put(0x00, 4);  // bottom row: opaque
    put(0xFF, 4);  // top row: transparent
    std::vector<uint8_t> file;
    auto putFile = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) file.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    putFile(0, 2), putFile(1, 2), putFile(1, 2);
    file.insert(file.end(), {8, 2, 0, 0});
    putFile(1, 2), putFile(16, 2), putFile(static_cast<uint32_t>(image.size()), 4), putFile(22, 4);
    file.insert(file.end(), image.begin(), image.end());

    HICON icon = MvCreateIconFromData(file.data(), file.size(), false, 0, 0);
    ASSERT_NE(nullptr, icon);
    GdiCanvas canvas(10, 4, RGB(0, 255, 0));
    ASSERT_TRUE(DrawIcon(canvas.Dc(), 1, 1, icon));
    for (int x = 1; x <= 8; ++x) {
        EXPECT_EQ(RGB(0, 255, 0), canvas.At(x, 1)) << x;
        EXPECT_EQ(RGB(255, 0, 0), canvas.At(x, 2)) << x;
    }
    DestroyIcon(icon);
}

TEST(Icon, MalformedIconDataIsRefused)
{
    std::vector<uint8_t> good = IconFile(false);
    std::vector<uint8_t> badOffset = good;
    badOffset[18] = 0xFF;
    std::vector<uint8_t> noEntries = good;
    noEntries[4] = 0;
    std::vector<uint8_t> cut(good.begin(), good.begin() + 30);
    for (const auto& bytes : {badOffset, noEntries, cut, std::vector<uint8_t>{0, 0, 1, 0}})
        EXPECT_EQ(nullptr, MvCreateIconFromData(bytes.data(), bytes.size(), false, 0, 0));
}

TEST(Icon, ResourcesLoadByIdFromTheModulesFolder)
{
    auto folder = std::filesystem::temp_directory_path() / ("mvgdi-res-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(MV_PICTURE_SAMPLES) / "picture.bmp",
                               folder / "10088.bmp", std::filesystem::copy_options::overwrite_existing);
    std::vector<uint8_t> icon = IconFile(false);
    std::ofstream(folder / "128.ico", std::ios::binary).write(reinterpret_cast<const char*>(icon.data()),
                                                              static_cast<std::streamsize>(icon.size()));
    auto module = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x1234));
    ASSERT_TRUE(MvSetResourceFolder(module, folder.c_str()));
    HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCE(10088));
    ASSERT_NE(nullptr, bitmap);
    BITMAP b;
    GetObjectA(bitmap, sizeof(b), &b);
    EXPECT_EQ(8, b.bmWidth);
    EXPECT_EQ(6, b.bmHeight);
    EXPECT_EQ(nullptr, LoadBitmapA(module, MAKEINTRESOURCE(10089)));
    EXPECT_EQ(nullptr, LoadBitmapA(nullptr, MAKEINTRESOURCE(10088)));
    HICON loaded = LoadIconA(module, MAKEINTRESOURCE(128));
    EXPECT_NE(nullptr, loaded);
    HANDLE dib = LoadImageA(nullptr, (folder / "10088.bmp").c_str(), IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    ASSERT_NE(nullptr, dib);
    DIBSECTION ds;
    EXPECT_EQ(static_cast<int>(sizeof(ds)), GetObjectA(dib, sizeof(ds), &ds));
    DeleteObject(dib);
    DestroyIcon(loaded);
    DeleteObject(bitmap);
    MvSetResourceFolder(module, nullptr);

    // A null module is the program, however its folder was registered.
    ASSERT_TRUE(MvSetResourceFolder(nullptr, folder.c_str()));
    bitmap = LoadBitmapA(GetModuleHandle(nullptr), MAKEINTRESOURCE(10088));
    EXPECT_NE(nullptr, bitmap);
    DeleteObject(bitmap);
    MvSetResourceFolder(GetModuleHandle(nullptr), nullptr);
    EXPECT_EQ(nullptr, LoadBitmapA(nullptr, MAKEINTRESOURCE(10088)));
    std::filesystem::remove_all(folder);
}
