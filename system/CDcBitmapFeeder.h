#pragma once
// A bitmap feeder whose buffer is a DIB section with its own memory DC, so that GDI can
// draw into the frame.
#include "CBitmapFeeder.h"
#include "CValueList.h"

class CDcBitmapFeeder : public CBitmapFeeder {
public:
    CDcBitmapFeeder();
    // A copy opens its own desktop DC and makes its own DIB on first use.
    CDcBitmapFeeder(const CDcBitmapFeeder& other);
    CDcBitmapFeeder& operator=(const CDcBitmapFeeder& other);
    ~CDcBitmapFeeder() override;

    BYTE* GetBuffer() override;
    void ResetBuffer() override;
    virtual HBITMAP GetBitmap();
    virtual HDC GetDc();
    HDC GetDesktopDc() const { return mDesktopDc; }
    // The colour formats whose DIB could be made (107, 103, 102, 101 as available).
    const CValueList& GetColorList() const { return mColorList; }

protected:
    void OpenDesktop();
    void FindColors();

    CValueList mColorList;
    HWND mDesktop = nullptr;
    HDC mDesktopDc = nullptr;
    HBITMAP mDib = nullptr;
    HDC mMemoryDc = nullptr;
    HGDIOBJ mDisplaced = nullptr;
};
