// Device contexts: creation, selection, saved states, colours and modes.
#include "win32/gdi/Gdi.h"
#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiBrush.h"
#include "win32/gdi/GdiDc.h"
#include "win32/fonts/GdiFont.h"
#include "win32/gdi/GdiPen.h"
#include "win32/gdi/GdiRegion.h"
#include "win32/gdi/GdiScreen.h"
#include "win32/gdi/GdiSurface.h"

#include <atomic>
#include <cstring>
#include <utility>

namespace {

GdiDc* Dc(HDC dc) { return GdiObject::From<GdiDc>(dc); }

template <class T, class F> T Swap(HDC dc, T failed, F member)
{
    GdiDc* d = Dc(dc);
    if (!d) return failed;
    return member(d->Current());
}

}

HDC CreateCompatibleDC(HDC dc)
{
    if (dc && !Dc(dc)) return nullptr;
    return ToHandle<HDC>(new GdiDc(GdiDc::Type::Memory));
}

HDC CreateDCA(const char* driver, const char*, const char*, const void*)
{
    if (!driver || std::strcmp(driver, "DISPLAY") != 0) return nullptr;
    return GdiCreateScreenDc();
}

HDC GdiCreateScreenDc()
{
    GdiScreen::Instance();
    return ToHandle<HDC>(new GdiDc(GdiDc::Type::Screen));
}

SIZE GdiGetScreenSize()
{
    GdiScreen& screen = GdiScreen::Instance();
    return SIZE{screen.Width(), screen.Height()};
}

int GdiGetScreenBitsPerPixel() { return 32; }

bool GdiScreenIsDisplay() { return GdiScreen::Instance().HasDisplay(); }

namespace {
std::atomic<bool> sRasterCapturable{false};
}

bool GdiScreenCanCapture() { return GdiScreenIsDisplay() || sRasterCapturable.load(); }

void MvLetScreenRasterBeCaptured(bool allow) { sRasterCapturable = allow; }

bool GdiQueryDisplayPointer(POINT* point)
{
    GdiScreen& screen = GdiScreen::Instance();
    std::lock_guard<std::recursive_mutex> guard(screen.Lock());
    return screen.QueryPointer(point);
}

BOOL GdiSetSystemClip(HDC dc, HRGN region)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    if (!region) {
        d->hasSystemClip = false;
        d->systemClip.SetEmpty();
        return TRUE;
    }
    GdiRegion* r = GdiObject::From<GdiRegion>(region);
    if (!r) return FALSE;
    d->hasSystemClip = true;
    d->systemClip = r->mShape;
    return TRUE;
}

BOOL DeleteDC(HDC dc)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    delete d;
    return TRUE;
}

int SaveDC(HDC dc)
{
    GdiDc* d = Dc(dc);
    return d ? d->Save() : 0;
}

BOOL RestoreDC(HDC dc, int saved)
{
    GdiDc* d = Dc(dc);
    return d && d->Restore(saved) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    GdiDc* d = Dc(dc);
    GdiObject* o = GdiObject::Find(object);
    if (!d || !o) return nullptr;
    if (o->Kind() == GdiKind::Region) {
        // Selecting a region sets the clip; the result is the region's complexity.
        auto* region = static_cast<GdiRegion*>(o);
        d->Current().hasClip = true;
        d->Current().clip = region->mShape;
        d->Current().clip.Offset(d->Current().origin.x, d->Current().origin.y);
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(
            region->mShape.IsEmpty() ? 1 : region->mShape.IsRect() ? 2 : 3));
    }
    GdiObject* previous = d->Select(o);
    return previous ? previous->Handle() : nullptr;
}

HGDIOBJ GetCurrentObject(HDC dc, UINT kind)
{
    GdiDc* d = Dc(dc);
    if (!d) return nullptr;
    const GdiDc::State& s = d->Current();
    switch (kind) {
    case OBJ_PEN: return s.pen ? static_cast<GdiObject*>(s.pen)->Handle() : nullptr;
    case OBJ_BRUSH: return s.brush ? static_cast<GdiObject*>(s.brush)->Handle() : nullptr;
    case OBJ_FONT: return s.font ? static_cast<GdiObject*>(s.font)->Handle() : nullptr;
    case OBJ_BITMAP: {
        GdiBitmap* b = d->Target();
        return b && d->GetType() == GdiDc::Type::Memory ? b->Handle() : nullptr;
    }
    default: return nullptr;
    }
}

int GetDeviceCaps(HDC dc, int index)
{
    GdiDc* d = Dc(dc);
    if (!d) return 0;
    GdiBitmap* target = d->Target();
    switch (index) {
    case HORZRES: return target ? target->Width() : 0;
    case VERTRES: return target ? target->Height() : 0;
    case BITSPIXEL: return d->GetType() == GdiDc::Type::Screen ? 32 : target ? target->BitsPerPixel() : 0;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT | RC_DI_BITMAP;
    default: return 0;
    }
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    if (previous) *previous = d->Current().origin;
    d->Current().origin = POINT{x, y};
    return TRUE;
}

BOOL GetViewportOrgEx(HDC dc, POINT* origin)
{
    GdiDc* d = Dc(dc);
    if (!d || !origin) return FALSE;
    *origin = d->Current().origin;
    return TRUE;
}

BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous)
{
    GdiDc* d = Dc(dc);
    if (!d) return FALSE;
    POINT o = d->Current().origin;
    return SetViewportOrgEx(dc, o.x + dx, o.y + dy, previous);
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    return Swap(dc, COLORREF{CLR_INVALID}, [&](GdiDc::State& s) { return std::exchange(s.textColor, color); });
}
COLORREF GetTextColor(HDC dc)
{
    return Swap(dc, COLORREF{CLR_INVALID}, [](GdiDc::State& s) { return s.textColor; });
}
COLORREF SetBkColor(HDC dc, COLORREF color)
{
    return Swap(dc, COLORREF{CLR_INVALID}, [&](GdiDc::State& s) { return std::exchange(s.bkColor, color); });
}
COLORREF GetBkColor(HDC dc)
{
    return Swap(dc, COLORREF{CLR_INVALID}, [](GdiDc::State& s) { return s.bkColor; });
}
COLORREF SetDCBrushColor(HDC dc, COLORREF color)
{
    return Swap(dc, COLORREF{CLR_INVALID}, [&](GdiDc::State& s) { return std::exchange(s.dcBrushColor, color); });
}
COLORREF SetDCPenColor(HDC dc, COLORREF color)
{
    return Swap(dc, COLORREF{CLR_INVALID}, [&](GdiDc::State& s) { return std::exchange(s.dcPenColor, color); });
}

int SetBkMode(HDC dc, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return Swap(dc, 0, [&](GdiDc::State& s) { return std::exchange(s.bkMode, mode); });
}
int GetBkMode(HDC dc)
{
    return Swap(dc, 0, [](GdiDc::State& s) { return s.bkMode; });
}
int SetROP2(HDC dc, int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE) return 0;
    return Swap(dc, 0, [&](GdiDc::State& s) { return std::exchange(s.rop2, mode); });
}
int GetROP2(HDC dc)
{
    return Swap(dc, 0, [](GdiDc::State& s) { return s.rop2; });
}
int SetStretchBltMode(HDC dc, int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return Swap(dc, 0, [&](GdiDc::State& s) { return std::exchange(s.stretchMode, mode); });
}
int GetStretchBltMode(HDC dc)
{
    return Swap(dc, 0, [](GdiDc::State& s) { return s.stretchMode; });
}
int SetPolyFillMode(HDC dc, int mode)
{
    if (mode != ALTERNATE && mode != WINDING) return 0;
    return Swap(dc, 0, [&](GdiDc::State& s) { return std::exchange(s.polyFillMode, mode); });
}
