#pragma once
// A frame source of fixed size and colour format that hands out one pixel buffer.
#include "EColorFormat.h"
#include "win32/WinTypes.h"

class CBitmapFeeder {
public:
    CBitmapFeeder();
    // A copy takes the settings, not the buffer: it makes its own on first use.
    CBitmapFeeder(const CBitmapFeeder& other);
    CBitmapFeeder& operator=(const CBitmapFeeder& other);
    virtual ~CBitmapFeeder();

    virtual void SetBitmapWidth(unsigned short width);
    virtual void SetBitmapHeight(unsigned short height);
    virtual void SetNegativeHeight(bool negative);
    virtual void SetColor(EColorFormat color);
    virtual unsigned short GetBitmapWidth();
    virtual unsigned short GetBitmapHeight();
    virtual BYTE* GetBuffer();
    virtual void ResetBuffer();

    EColorFormat GetColor() const { return mColor; }
    bool GetNegativeHeight() const { return mNegativeHeight; }
    unsigned short GetColorDepth() const;
    void SetBufferSize(ULONG size) { mBufferSize = size; }
    ULONG GetBufferSize();

protected:
    BYTE* mBuffer = nullptr;
    EColorFormat mColor = kColorArgb32;
    unsigned short mWidth = 0;
    unsigned short mHeight = 0;
    bool mNegativeHeight = false;
    ULONG mBufferSize = 0;
};
