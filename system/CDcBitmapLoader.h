#pragma once
// A bitmap loader that keeps a 32-bit DIB copy of what it loaded.
#include "CBitmapLoader.h"
#include "CDcBitmap.h"

class CDcBitmapLoader : public CBitmapLoader {
public:
    CDcBitmapLoader();
    CDcBitmapLoader(const CDcBitmapLoader& other);
    CDcBitmapLoader& operator=(const CDcBitmapLoader& other);
    ~CDcBitmapLoader() override;

    bool Load(const char* module, unsigned short resourceId) override;
    bool Load(const char* path) override;
    void Detach() override;
    // As stored: positive for the bottom-up copy.
    LONG GetHeight() override;
    EColorFormat GetColor() override;
    // The copy's DIB and pixels; the loader owns them.
    HBITMAP GetBitmap() override;
    BYTE* GetData() override;

private:
    void CopyLoaded();
    CDcBitmap mCopy;
};
