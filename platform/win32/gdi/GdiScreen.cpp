#include "win32/gdi/GdiScreen.h"

#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/Rect.h"
#include "win32/gdi/XErrorTrap.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdlib>
#include <cstring>

namespace {

Display* AsDisplay(void* d) { return static_cast<Display*>(d); }

}

GdiScreen& GdiScreen::Instance()
{
    static GdiScreen* screen = new GdiScreen;  // lives until exit; DCs may outlive static objects
    return *screen;
}

GdiScreen::GdiScreen()
{
    const char* name = std::getenv("DISPLAY");
    if (name && *name) {
        MvInstallXErrorTrap();
        if (Display* d = XOpenDisplay(name)) {
            mDisplay = d;
            MvWatchDisplayLoss(d, &mLost);
            mWidth = DisplayWidth(d, DefaultScreen(d));
            mHeight = DisplayHeight(d, DefaultScreen(d));
        }
    }
}

GdiBitmap& GdiScreen::Raster()
{
    std::call_once(mRasterMade, [this] {
        mRaster = std::make_unique<GdiBitmap>(mWidth, mHeight, 32, false, true);
        mRaster->MarkStock();
    });
    return *mRaster;
}

GdiScreen::~GdiScreen()
{
    if (mDisplay && !mLost) XCloseDisplay(AsDisplay(mDisplay));
}

bool GdiScreen::Clip(const RECT& area, RECT& clipped) const
{
    RECT screen{0, 0, mWidth, mHeight};
    return IntersectRect(&clipped, &area, &screen);
}

void GdiScreen::Pull(const RECT& area)
{
    RECT r;
    if (!HasDisplay() || !Clip(area, r)) return;
    Display* d = AsDisplay(mDisplay);
    XImage* image = XGetImage(d, DefaultRootWindow(d), r.left, r.top, static_cast<unsigned>(r.right - r.left),
                              static_cast<unsigned>(r.bottom - r.top), AllPlanes, ZPixmap);
    if (!image) return;
    bool direct = image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
                  image->blue_mask == 0xFF && image->byte_order == LSBFirst;
    for (int y = r.top; y < r.bottom; ++y) {
        uint8_t* row = Raster().Row(y) + r.left * 4;
        if (direct) {
            std::memcpy(row, image->data + static_cast<size_t>(y - r.top) * image->bytes_per_line,
                        static_cast<size_t>(r.right - r.left) * 4);
            continue;
        }
        for (int x = r.left; x < r.right; ++x) {
            unsigned long p = XGetPixel(image, x - r.left, y - r.top);
            Raster().Set(x, y, static_cast<uint32_t>(p & 0xFFFFFF));
        }
    }
    XDestroyImage(image);
}

void GdiScreen::Push(const RECT& area)
{
    RECT r;
    if (!HasDisplay() || !Clip(area, r)) return;
    Display* d = AsDisplay(mDisplay);
    int screen = DefaultScreen(d);
    if (DefaultDepth(d, screen) != 24 && DefaultDepth(d, screen) != 32) return;
    XImage* image = XCreateImage(d, DefaultVisual(d, screen), static_cast<unsigned>(DefaultDepth(d, screen)),
                                 ZPixmap, 0, reinterpret_cast<char*>(Raster().Bits()), static_cast<unsigned>(mWidth),
                                 static_cast<unsigned>(mHeight), 32, Raster().Stride());
    if (!image) return;
    XGCValues values;
    values.subwindow_mode = IncludeInferiors;
    GC gc = XCreateGC(d, DefaultRootWindow(d), GCSubwindowMode, &values);
    XPutImage(d, DefaultRootWindow(d), gc, image, r.left, r.top, r.left, r.top,
              static_cast<unsigned>(r.right - r.left), static_cast<unsigned>(r.bottom - r.top));
    XFreeGC(d, gc);
    XSync(d, False);
    image->data = nullptr;  // the raster owns the pixels
    XDestroyImage(image);
}

bool GdiScreen::QueryPointer(POINT* point)
{
    if (!HasDisplay() || !point) return false;
    Display* d = AsDisplay(mDisplay);
    Window root, child;
    int rootX, rootY, winX, winY;
    unsigned mask;
    if (!XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &winX, &winY, &mask)) return false;
    point->x = rootX;
    point->y = rootY;
    return true;
}
