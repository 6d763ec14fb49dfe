#include "win32/gdi/GdiPainter.h"

#include "win32/gdi/GdiBitmap.h"
#include "win32/gdi/GdiDc.h"
#include "win32/gdi/GdiScreen.h"
#include "win32/gdi/Rect.h"

#include <algorithm>

GdiPainter::GdiPainter(GdiDc& dc, const RECT& bounds, Access access) : mDc(dc), mAccess(access)
{
    GdiBitmap* target = dc.Target();
    if (!target || !target->Valid()) return;
    RECT area{0, 0, target->Width(), target->Height()};
    if (!IntersectRect(&mBounds, &bounds, &area)) mBounds = RECT{0, 0, 0, 0};
    mClip = dc.Clip();
    mRects = mClip.Rects(mBounds);
    mSimple = mClip.IsRect();
    mTarget = target;
    if (dc.GetType() == GdiDc::Type::Screen) {
        GdiScreen& screen = GdiScreen::Instance();
        mScreenLock = std::unique_lock<std::recursive_mutex>(screen.Lock());
        screen.Pull(mBounds);
    }
}

GdiPainter::~GdiPainter()
{
    if (mTarget && mAccess == Access::Write && mDc.GetType() == GdiDc::Type::Screen)
        GdiScreen::Instance().Push(mBounds);
}

bool GdiPainter::Visible(int x, int y) const
{
    if (x < mBounds.left || x >= mBounds.right || y < mBounds.top || y >= mBounds.bottom) return false;
    if (mSimple) return true;
    return mClip.Contains(x, y);
}

uint32_t GdiPainter::Read(int x, int y) const
{
    return mTarget->Get(x, y);
}

void GdiPainter::Write(int x, int y, uint32_t rgb)
{
    mTarget->Set(x, y, rgb);
}

void GdiPainter::Plot(int x, int y, uint32_t rgb, int rop2)
{
    if (!Visible(x, y)) return;
    Write(x, y, rop2 == 13 ? rgb : Rop2(rop2, rgb, Read(x, y)));
}

uint32_t GdiPainter::Rop2(int code, uint32_t pen, uint32_t dst)
{
    // Bit (p << 1 | d) of code - 1 is the result for pen bit p and destination bit d.
    unsigned table = static_cast<unsigned>(code - 1) & 0xF;
    uint32_t out = 0;
    for (unsigned i = 0; i < 4; ++i) {
        if (!(table & (1u << i))) continue;
        out |= ((i & 2) ? pen : ~pen) & ((i & 1) ? dst : ~dst);
    }
    return out & 0xFFFFFF;
}

uint32_t GdiPainter::Rop3(uint8_t code, uint32_t pattern, uint32_t source, uint32_t dst)
{
    switch (code) {
    case 0xCC: return source;
    case 0xF0: return pattern;
    case 0x00: return 0;
    case 0xFF: return 0xFFFFFF;
    default: break;
    }
    // Bit (p << 2 | s << 1 | d) of the code is the result for those input bits.
    uint32_t out = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(code & (1u << i))) continue;
        out |= ((i & 4) ? pattern : ~pattern) & ((i & 2) ? source : ~source) & ((i & 1) ? dst : ~dst);
    }
    return out & 0xFFFFFF;
}
