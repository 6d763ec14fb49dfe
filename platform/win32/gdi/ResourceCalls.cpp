// Bitmaps, icons and cursors loaded by id from a module's resource folder, and the stock
// cursor and icon shapes.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiIcon.h"
#include "win32/gdi/Icon.h"
#include "win32/kernel/Module.h"
#include "win32/pictures/Picture.h"
#include "win32/pictures/PictureImage.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct Folders {
    std::mutex lock;
    std::map<HINSTANCE, std::string> byModule;
    std::map<uintptr_t, GdiIcon*> stock;
};

Folders& State()
{
    static Folders* folders = new Folders;
    return *folders;
}

// A null module is the program, whichever way its folder was registered.
HINSTANCE ModuleKey(HINSTANCE module) { return module ? module : GetModuleHandle(nullptr); }

std::string ResourcePath(HINSTANCE module, LPCSTR name, const char* extension)
{
    HINSTANCE key = ModuleKey(module);
    std::lock_guard<std::mutex> guard(State().lock);
    auto it = State().byModule.find(key);
    if (it == State().byModule.end() || !name) return {};
    std::string file = IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<uintptr_t>(name)) : std::string(name);
    if (file.empty() || file.find('/') != std::string::npos) return {};
    return it->second + file + extension;
}

// Small drawn shapes for the stock cursors and icons: '#' black, '.' white, ' ' transparent.
const char* const kArrow[] = {
    "#          ", "##         ", "#.#        ", "#..#       ", "#...#      ", "#....#     ", "#.....#    ",
    "#......#   ", "#.......#  ", "#........# ", "#.....#####", "#..#..#    ", "#.# #..#   ", "##  #..#   ",
    "#    #..#  ", "     #..#  ", "      ##   "};
const char* const kBeam[] = {"###.###", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ",
                             "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "   #   ", "###.###"};
const char* const kCross[] = {"      #      ", "      #      ", "      #      ", "      #      ", "      #      ",
                              "      #      ", "#############", "      #      ", "      #      ", "      #      ",
                              "      #      ", "      #      ", "      #      "};

GdiIcon* Shape(const char* const* rows, int count, int hotX, int hotY)
{
    auto* icon = new GdiIcon(32, 32, false);
    for (int i = 0; i < 32 * 32; ++i) icon->mask[size_t(i)] = 1;
    for (int y = 0; y < count; ++y)
        for (int x = 0; rows[y][x]; ++x) {
            if (rows[y][x] == ' ') continue;
            icon->Mask(x, y) = 0;
            icon->Color(x, y) = rows[y][x] == '#' ? 0 : 0xFFFFFF;
        }
    icon->hotX = hotX;
    icon->hotY = hotY;
    return icon;
}

GdiIcon* StockIcon(uintptr_t id, bool cursor)
{
    std::lock_guard<std::mutex> guard(State().lock);
    uintptr_t key = id | (cursor ? 0x10000 : 0);
    GdiIcon*& icon = State().stock[key];
    if (icon) return icon;
    if (cursor) {
        if (id == 32513) icon = Shape(kBeam, 14, 3, 7);
        else if (id == 32515) icon = Shape(kCross, 13, 6, 6);
        else icon = Shape(kArrow, 17, 0, 0);
    } else {
        // A disc in a colour of its own per stock icon.
        static const uint32_t kColors[] = {0x3060C0, 0xC03030, 0x3080FF, 0xE0C000, 0x3080FF, 0x30A030};
        icon = new GdiIcon(32, 32, true);
        uint32_t color = kColors[(id - 32512) % 6];
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                int dx = 2 * x - 31, dy = 2 * y - 31;
                bool inside = dx * dx + dy * dy <= 30 * 30;
                icon->Mask(x, y) = inside ? 0 : 1;
                icon->Color(x, y) = inside ? color : 0;
            }
    }
    icon->MarkStock();
    return icon;
}

HICON LoadIconFile(const std::string& path, bool cursor, int width, int height)
{
    std::vector<uint8_t> bytes;
    if (ReadPictureFile(path.c_str(), bytes) != PictureError::None) return nullptr;
    return MvCreateIconFromData(bytes.data(), bytes.size(), cursor, width, height);
}

HBITMAP LoadBitmapFile(const std::string& path, bool dibSection)
{
    HBITMAP bitmap = MvLoadPictureFile(path.c_str(), nullptr);
    if (!bitmap || !dibSection) return bitmap;
    GdiBitmap* source = GdiObject::From<GdiBitmap>(bitmap);
    auto* dib = new GdiBitmap(source->Width(), source->Height(), 32, true, false);
    for (int y = 0; y < source->Height(); ++y)
        for (int x = 0; x < source->Width(); ++x) dib->Set(x, y, source->Get(x, y));
    DeleteObject(bitmap);
    return ToHandle<HBITMAP>(dib);
}

}

BOOL MvSetResourceFolder(HINSTANCE module, const char* folder)
{
    HINSTANCE key = ModuleKey(module);
    std::lock_guard<std::mutex> guard(State().lock);
    if (!folder || !*folder) {
        State().byModule.erase(key);
        return TRUE;
    }
    std::string path = folder;
    if (path.back() != '/') path += '/';
    State().byModule[key] = path;
    return TRUE;
}

HBITMAP LoadBitmapA(HINSTANCE module, LPCSTR name)
{
    std::string path = ResourcePath(module, name, ".bmp");
    return path.empty() ? nullptr : LoadBitmapFile(path, false);
}

HICON LoadIconA(HINSTANCE module, LPCSTR name)
{
    if (!module && IS_INTRESOURCE(name) && reinterpret_cast<uintptr_t>(name) >= 32512)
        return ToHandle<HICON>(StockIcon(reinterpret_cast<uintptr_t>(name), false));
    std::string path = ResourcePath(module, name, ".ico");
    return path.empty() ? nullptr : LoadIconFile(path, false, 32, 32);
}

HCURSOR LoadCursorA(HINSTANCE module, LPCSTR name)
{
    if (!module && IS_INTRESOURCE(name) && reinterpret_cast<uintptr_t>(name) >= 32512)
        return ToHandle<HCURSOR>(StockIcon(reinterpret_cast<uintptr_t>(name), true));
    std::string path = ResourcePath(module, name, ".cur");
    return path.empty() ? nullptr : LoadIconFile(path, true, 32, 32);
}

HANDLE LoadImageA(HINSTANCE module, LPCSTR name, UINT type, int width, int height, UINT flags)
{
    if (!name) return nullptr;
    bool fromFile = flags & LR_LOADFROMFILE;
    if ((flags & LR_DEFAULTSIZE) && width == 0) width = 32;
    if ((flags & LR_DEFAULTSIZE) && height == 0) height = 32;
    const char* extension = type == IMAGE_BITMAP ? ".bmp" : type == IMAGE_ICON ? ".ico" : ".cur";
    std::string path = fromFile ? std::string(IS_INTRESOURCE(name) ? "" : name) : ResourcePath(module, name, extension);
    if (!fromFile && !module && type != IMAGE_BITMAP && IS_INTRESOURCE(name))
        return type == IMAGE_ICON ? static_cast<HANDLE>(LoadIconA(nullptr, name))
                                  : static_cast<HANDLE>(LoadCursorA(nullptr, name));
    if (path.empty()) return nullptr;
    switch (type) {
    case IMAGE_BITMAP: return LoadBitmapFile(path, flags & LR_CREATEDIBSECTION);
    case IMAGE_ICON: return LoadIconFile(path, false, width, height);
    case IMAGE_CURSOR: return LoadIconFile(path, true, width, height);
    default: return nullptr;
    }
}
