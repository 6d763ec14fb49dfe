#include "CObviousDragIndicator.h"

#include "CScreenCapture.h"
#include "win32/gdi/Gdi.h"

CObviousDragIndicator::CObviousDragIndicator(HWND window) : CDragIndicator(window)
{
    mBrush = CreateSolidBrush(RGB(0, 196, 0));
    mMemoryDc = CreateCompatibleDC(mDc);
    mCapture = new CScreenCapture;
    mSnapshot = mCapture->Capture();
}

CObviousDragIndicator::~CObviousDragIndicator()
{
    if (mMemoryDc) DeleteDC(mMemoryDc);
    if (mBrush) DeleteObject(mBrush);
    delete mCapture;
}

void CObviousDragIndicator::Draw()
{
    if (!mSnapshot) {
        CDragIndicator::Draw();
        return;
    }
    RECT r;
    if (mDrawn || !GetDrawRect(r)) return;
    if (r.bottom - r.top < 7 || r.right - r.left < 7) {
        FillRect(mDc, &r, mBrush);
    } else {
        FrameRect(mDc, &r, mBrush);
        RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        FrameRect(mDc, &inner, mBrush);
        const POINT corners[] = {{r.left, r.top}, {r.right - 6, r.top}, {r.left, r.bottom - 6},
                                 {r.right - 6, r.bottom - 6}};
        for (const POINT& c : corners) {
            RECT square{c.x, c.y, c.x + 6, c.y + 6};
            FillRect(mDc, &square, mBrush);
        }
    }
    mDrawn = true;
}

void CObviousDragIndicator::Undraw()
{
    if (!mSnapshot) {
        CDragIndicator::Undraw();
        return;
    }
    HGDIOBJ old = SelectObject(mMemoryDc, mCapture->GetBitmap());
    BitBlt(mDc, 0, 0, mCapture->GetBitmapWidth(), mCapture->GetBitmapHeight(), mMemoryDc, 0, 0, SRCCOPY);
    SelectObject(mMemoryDc, old);
    mDrawn = false;
}
