#include "win32/controls/CtlImageList.h"
#include "win32/gdi/Gdi.h"
#include "win32/gdi/Icon.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace {

struct Image {
    HBITMAP bitmap = nullptr; // owned, width x height
    HICON icon = nullptr;     // owned copy
    COLORREF mask = CLR_NONE;
};

struct List {
    int width;
    int height;
    UINT flags;
    COLORREF background = CLR_NONE;
    std::vector<Image> images;
};

struct Lists {
    std::mutex lock;
    std::map<HIMAGELIST, std::unique_ptr<List>> all;
    uintptr_t next = 1;
};

Lists& Registry()
{
    static Lists lists;
    return lists;
}

// Callers hold the registry lock.
List* Find(HIMAGELIST handle)
{
    auto& r = Registry();
    auto it = r.all.find(handle);
    return it == r.all.end() ? nullptr : it->second.get();
}

void Free(Image& image)
{
    if (image.bitmap) DeleteObject(image.bitmap);
    if (image.icon) DestroyIcon(image.icon);
    image = Image{};
}

int AddFrom(HIMAGELIST handle, HBITMAP source, COLORREF mask)
{
    BITMAP info{};
    if (!source || !GetObjectA(source, sizeof info, &info)) return -1;
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    if (!list || list->width <= 0) return -1;
    int count = info.bmWidth / list->width;
    if (count <= 0) return -1;
    int first = static_cast<int>(list->images.size());
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFrom = SelectObject(from, source);
    for (int i = 0; i < count; ++i) {
        Image image;
        image.bitmap = CreateCompatibleBitmap(from, list->width, list->height);
        image.mask = mask;
        HGDIOBJ old = SelectObject(to, image.bitmap);
        BitBlt(to, 0, 0, list->width, list->height, from, i * list->width, 0, SRCCOPY);
        SelectObject(to, old);
        list->images.push_back(image);
    }
    SelectObject(from, oldFrom);
    DeleteDC(from);
    DeleteDC(to);
    return first;
}

} // namespace

HIMAGELIST ImageList_Create(int width, int height, UINT flags, int, int)
{
    if (width <= 0 || height <= 0) return nullptr;
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    auto handle = reinterpret_cast<HIMAGELIST>(r.next++);
    r.all[handle] = std::make_unique<List>(List{width, height, flags, CLR_NONE, {}});
    return handle;
}

BOOL ImageList_Destroy(HIMAGELIST handle)
{
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    auto it = r.all.find(handle);
    if (it == r.all.end()) return FALSE;
    for (auto& image : it->second->images) Free(image);
    r.all.erase(it);
    return TRUE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP)
{
    return AddFrom(list, image, CLR_NONE);
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask)
{
    return AddFrom(list, image, mask);
}

int ImageList_ReplaceIcon(HIMAGELIST handle, int index, HICON icon)
{
    if (!icon) return -1;
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    if (!list || index < -1 || index >= static_cast<int>(list->images.size())) return -1;
    Image image;
    image.icon = CopyIcon(icon);
    if (index == -1) {
        list->images.push_back(image);
        return static_cast<int>(list->images.size()) - 1;
    }
    Free(list->images[static_cast<size_t>(index)]);
    list->images[static_cast<size_t>(index)] = image;
    return index;
}

BOOL ImageList_Remove(HIMAGELIST handle, int index)
{
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    if (!list || index < -1 || index >= static_cast<int>(list->images.size())) return FALSE;
    if (index == -1) {
        for (auto& image : list->images) Free(image);
        list->images.clear();
        return TRUE;
    }
    Free(list->images[static_cast<size_t>(index)]);
    list->images.erase(list->images.begin() + index);
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST handle)
{
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    return list ? static_cast<int>(list->images.size()) : 0;
}

BOOL ImageList_SetImageCount(HIMAGELIST handle, UINT count)
{
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    if (!list || count > 65536) return FALSE;
    while (list->images.size() > count) {
        Free(list->images.back());
        list->images.pop_back();
    }
    list->images.resize(count);
    return TRUE;
}

BOOL ImageList_GetIconSize(HIMAGELIST handle, int* width, int* height)
{
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    if (!list) return FALSE;
    if (width) *width = list->width;
    if (height) *height = list->height;
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST handle, COLORREF colour)
{
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    if (!list) return CLR_NONE;
    COLORREF old = list->background;
    list->background = colour;
    return old;
}

BOOL ImageList_Draw(HIMAGELIST handle, int index, HDC dc, int x, int y, UINT)
{
    auto& r = Registry();
    std::lock_guard guard(r.lock);
    List* list = Find(handle);
    if (!list || !dc || index < 0 || index >= static_cast<int>(list->images.size())) return FALSE;
    const Image& image = list->images[static_cast<size_t>(index)];
    if (image.icon) return DrawIconEx(dc, x, y, image.icon, list->width, list->height, 0, nullptr, DI_NORMAL);
    if (!image.bitmap) return FALSE;
    HDC from = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(from, image.bitmap);
    // Pixels of the mask colour are left as they are.
    for (int py = 0; py < list->height; ++py)
        for (int px = 0; px < list->width; ++px) {
            COLORREF c = GetPixel(from, px, py);
            if (image.mask == CLR_NONE || c != image.mask) SetPixel(dc, x + px, y + py, c);
        }
    SelectObject(from, old);
    DeleteDC(from);
    return TRUE;
}
