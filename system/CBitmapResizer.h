#pragma once
// Loads a picture file and delivers it scaled to its own size and colour format.
#include "CAutoVideoConverter.h"
#include "CDcBitmapFeeder.h"
#include "CDcBitmapLoader.h"

#include <string>

class CBitmapResizer : public CDcBitmapFeeder {
public:
    static constexpr size_t kMaxPath = 259;

    CBitmapResizer();
    CBitmapResizer(const CBitmapResizer& other);
    CBitmapResizer& operator=(const CBitmapResizer& other);
    ~CBitmapResizer() override;

    void SetFilePath(const char* path);
    const char* GetFilePath() const { return mPath.c_str(); }
    void SetBitmapWidth(unsigned short width) override;
    void SetBitmapHeight(unsigned short height) override;
    HBITMAP GetBitmap() override;
    HDC GetDc() override;
    bool IsLoaded() const { return mLoaded; }
    bool IsScaled() const { return mScaled; }

private:
    void Scale();

    std::string mPath;
    CDcBitmapLoader mLoader;
    CAutoVideoConverter mConverter;
    bool mLoaded = false;
    bool mScaled = false;
};
