// Window device contexts: one raster per window, window regions, BeginPaint/EndPaint.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiDc.h"
#include "win32/gdi/GdiRegion.h"
#include "win32/gdi/GdiSurface.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/NonClient.h"
#include "win32/Messages.h"
#include "win32/gdi/Paint.h"
#include "win32/gdi/Rect.h"
#include "win32/gdi/Region.h"
#include "win32/windowing/Window.h"
#include "win32/windowing/WindowObserver.h"

#include <map>
#include <memory>
#include <mutex>

namespace {

struct WindowSurface {
    std::unique_ptr<GdiBitmap> raster;
    std::unique_ptr<RegionShape> region;  // window coordinates
};

class WindowSurfaces : public IMvWindowObserver {
public:
    static WindowSurfaces& Instance()
    {
        static WindowSurfaces* surfaces = [] {
            auto* s = new WindowSurfaces;  // lives until exit, as windows may
            MvAddWindowObserver(s);
            return s;
        }();
        return *surfaces;
    }

    void OnWindowEvent(HWND hwnd, MvWindowEvent event) override
    {
        if (event != MvWindowEvent::Destroyed) return;
        std::lock_guard<std::mutex> guard(mLock);
        auto it = mSurfaces.find(hwnd);
        if (it == mSurfaces.end()) return;
        // A raster still selected into a DC is left to that DC's owner.
        if (it->second.raster && it->second.raster->mSelected > 0) (void)it->second.raster.release();
        mSurfaces.erase(it);
    }

    // The window's raster, made or resized to the window's size.
    GdiBitmap* Raster(HWND hwnd, int width, int height)
    {
        std::lock_guard<std::mutex> guard(mLock);
        WindowSurface& s = mSurfaces[hwnd];
        width = std::max(width, 1), height = std::max(height, 1);
        if (!s.raster || s.raster->Width() != width || s.raster->Height() != height) {
            if (s.raster && s.raster->mSelected > 0) return s.raster.get();  // in use: resize later
            auto fresh = std::make_unique<GdiBitmap>(width, height, 32, true, true);
            if (!fresh->Valid()) return nullptr;
            fresh->MarkStock();  // DeleteObject must not free a window's raster
            if (s.raster)
                for (int y = 0; y < std::min(height, s.raster->Height()); ++y)
                    for (int x = 0; x < std::min(width, s.raster->Width()); ++x) fresh->Set(x, y, s.raster->Get(x, y));
            s.raster = std::move(fresh);
        }
        return s.raster.get();
    }

    void SetRegion(HWND hwnd, std::unique_ptr<RegionShape> region)
    {
        std::lock_guard<std::mutex> guard(mLock);
        mSurfaces[hwnd].region = std::move(region);
    }

    bool Region(HWND hwnd, RegionShape& out)
    {
        std::lock_guard<std::mutex> guard(mLock);
        auto it = mSurfaces.find(hwnd);
        if (it == mSurfaces.end() || !it->second.region) return false;
        out = *it->second.region;
        return true;
    }

    void Remember(HDC dc, HWND hwnd)
    {
        std::lock_guard<std::mutex> guard(mLock);
        mOwners[dc] = hwnd;
    }
    HWND Forget(HDC dc)
    {
        std::lock_guard<std::mutex> guard(mLock);
        auto it = mOwners.find(dc);
        if (it == mOwners.end()) return nullptr;
        HWND hwnd = it->second;
        mOwners.erase(it);
        return hwnd;
    }
    HWND Owner(HDC dc)
    {
        std::lock_guard<std::mutex> guard(mLock);
        auto it = mOwners.find(dc);
        return it == mOwners.end() ? nullptr : it->second;
    }

private:
    std::mutex mLock;
    std::map<HWND, WindowSurface> mSurfaces;
    std::map<HDC, HWND> mOwners;
};

bool ScreenRect(HWND hwnd, RECT& rect) { return GetWindowRect(hwnd, &rect) != FALSE; }

// A DC over the window's raster; client: origin and clip at the client area.
HDC MakeWindowDc(HWND hwnd, bool client)
{
    if (!hwnd || hwnd == GetDesktopWindow()) return GdiCreateScreenDc();
    RECT window;
    if (!ScreenRect(hwnd, window)) return nullptr;
    WindowSurfaces& surfaces = WindowSurfaces::Instance();
    GdiBitmap* raster = surfaces.Raster(hwnd, window.right - window.left, window.bottom - window.top);
    if (!raster) return nullptr;
    auto* dc = new GdiDc(GdiDc::Type::Memory);
    if (!dc->Select(raster)) {
        delete dc;
        return nullptr;
    }
    RegionShape clip(RECT{0, 0, raster->Width(), raster->Height()});
    if (client) {
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        RECT area;
        GetClientRect(hwnd, &area);
        int dx = origin.x - window.left, dy = origin.y - window.top;
        dc->Current().origin = POINT{dx, dy};
        OffsetRect(&area, dx, dy);
        clip = RegionShape(area);
    }
    RegionShape region;
    if (surfaces.Region(hwnd, region)) clip = RegionShape::Combine(clip, region, RegionShape::Op::And);
    dc->hasSystemClip = true;
    dc->systemClip = clip;
    HDC handle = ToHandle<HDC>(dc);
    surfaces.Remember(handle, hwnd);
    return handle;
}

}

HDC GetDC(HWND hwnd) { return MakeWindowDc(hwnd, true); }

HDC GetWindowDC(HWND hwnd) { return MakeWindowDc(hwnd, false); }

int ReleaseDC(HWND, HDC dc)
{
    HWND owner = WindowSurfaces::Instance().Forget(dc);
    int released = DeleteDC(dc) ? 1 : 0;
    // What was drawn outside painting must reach the screen as well.
    if (owner && released) MvNotifyWindowObservers(owner, MvWindowEvent::Drawn);
    return released;
}

HWND WindowFromDC(HDC dc) { return WindowSurfaces::Instance().Owner(dc); }

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint)
{
    if (!paint) return nullptr;
    // A frame of the window's own is painted first, by the window.
    if (MvTakeFramePaint(hwnd)) SendMessageA(hwnd, WM_NCPAINT, 1, 0);
    *paint = PAINTSTRUCT{};
    RECT update{0, 0, 0, 0};
    GetUpdateRect(hwnd, &update, FALSE);
    HDC dc = GetDC(hwnd);
    if (!dc) return nullptr;
    paint->hdc = dc;
    paint->rcPaint = update;
    IntersectClipRect(dc, update.left, update.top, update.right, update.bottom);
    ValidateRect(hwnd, nullptr);
    if (!IsRectEmpty(&update))
        paint->fErase = SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
    return dc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint)
{
    if (!paint) return FALSE;
    // Painting answers an invalidation, which the screen follows already.
    WindowSurfaces::Instance().Forget(paint->hdc);
    DeleteDC(paint->hdc);
    return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw)
{
    if (!hwnd) return 0;
    std::unique_ptr<RegionShape> shape;
    if (region) {
        GdiRegion* r = GdiObject::From<GdiRegion>(region);
        if (!r) return 0;
        shape = std::make_unique<RegionShape>(r->mShape);
        DeleteObject(region);
    }
    WindowSurfaces::Instance().SetRegion(hwnd, std::move(shape));
    if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region)
{
    GdiRegion* r = GdiObject::From<GdiRegion>(region);
    RegionShape shape;
    if (!r || !WindowSurfaces::Instance().Region(hwnd, shape)) return ERROR;
    r->mShape = shape;
    return shape.IsEmpty() ? NULLREGION : shape.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

HBITMAP GdiGetWindowSurface(HWND hwnd)
{
    RECT window;
    if (!hwnd || !ScreenRect(hwnd, window)) return nullptr;
    GdiBitmap* raster =
        WindowSurfaces::Instance().Raster(hwnd, window.right - window.left, window.bottom - window.top);
    return raster ? ToHandle<HBITMAP>(raster) : nullptr;
}
