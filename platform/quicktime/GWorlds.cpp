// Graphics worlds over device-independent bitmap sections: the bitmap's bits are the picture.
#include "quicktime/QuickTimeInternal.h"
#include "win32/gdi/Gdi.h"

#include <cstdlib>

struct GWorldRecord {
    PixMap pixels{};
    PixMap* master = &pixels;
};

QT_EXPORT OSErr NewGWorldFromHBITMAP(GWorldPtr* world, void*, void*, uint32_t, void* bitmap, void*)
{
    if (!world || !bitmap) return paramErr;
    *world = nullptr;
    DIBSECTION section{};
    if (GetObjectA(static_cast<HGDIOBJ>(bitmap), sizeof section, &section) != int(sizeof section) ||
        !section.dsBm.bmBits)
        return paramErr;
    const BITMAP& b = section.dsBm;
    if (b.bmWidth <= 0 || b.bmWidth > 0x7FFF || std::abs(b.bmHeight) > 0x7FFF || b.bmHeight == 0) return paramErr;
    auto* made = new GWorldRecord;
    made->pixels.baseAddr = static_cast<Ptr>(b.bmBits);
    made->pixels.rowBytes = b.bmWidthBytes;
    made->pixels.bounds = {0, 0, int16_t(std::abs(b.bmHeight)), int16_t(b.bmWidth)};
    made->pixels.pixelSize = int16_t(b.bmBitsPixel);
    *world = made;
    return noErr;
}

QT_EXPORT PixMapHandle GetGWorldPixMap(GWorldPtr world) { return world ? &world->master : nullptr; }

QT_EXPORT Boolean LockPixels(PixMapHandle pixels) { return pixels && *pixels ? 1 : 0; }

QT_EXPORT void UnlockPixels(PixMapHandle) {}

QT_EXPORT void DisposeGWorld(GWorldPtr world) { delete world; }
