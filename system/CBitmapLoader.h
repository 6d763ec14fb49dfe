#pragma once
// Reads a picture file or a bitmap resource into a GDI bitmap and gives its size, colour
// format and pixels.
#include "EColorFormat.h"
#include "win32/WinTypes.h"

class CBitmapLoader {
public:
    // Larger picture files are refused rather than read whole into memory.
    static constexpr ULONG kMaxFileSize = 256u * 1024 * 1024;

    CBitmapLoader();
    // A copy does not share the bitmap: it starts empty.
    CBitmapLoader(const CBitmapLoader& other);
    CBitmapLoader& operator=(const CBitmapLoader& other);
    virtual ~CBitmapLoader();

    virtual bool Load(const char* module, unsigned short resourceId);
    virtual bool Load(const char* path);
    virtual void Detach();
    virtual LONG GetWidth();
    // Negated: the rows of a loaded bitmap run top-down.
    virtual LONG GetHeight();
    virtual HBITMAP GetBitmap();
    virtual EColorFormat GetColor();
    // A new copy of the pixels (top-down rows as the bitmap reports them); the caller frees it with delete[].
    virtual BYTE* GetData();

protected:
    HBITMAP mBitmap = nullptr;
    bool mFromPicture = false;
};
