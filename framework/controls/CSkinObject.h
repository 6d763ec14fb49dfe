#pragma once
// Something drawn from a skin bitmap whose transparent parts, the colour of its top-left
// pixel, are cut away. The bitmap holds its frames side by side.
#include "afx/gdi/CBitmap.h"
#include "afx/gdi/CDC.h"
#include "afx/gdi/CRgn.h"
#include "win32/WinTypes.h"

class CSkinObject {
public:
    CSkinObject() = default;
    CSkinObject(const CSkinObject&) = delete;
    CSkinObject& operator=(const CSkinObject&) = delete;
    virtual ~CSkinObject();

    // Builds the region when none exists and holds the bitmap, which the caller keeps,
    // in the memory context for drawing.
    virtual void LoadImageA(CBitmap& bitmap);

    // A new id drops the loaded bitmap and region and loads the new one.
    void SetBitmapId(UINT id);
    UINT GetBitmapId() const { return m_bitmapId; }
    // Loads the bitmap resource when needed; true when a region exists.
    bool Load();
    // Bytes per pixel of a colour depth; 0 for depths not drawn from.
    static int GetPixelSize(int bitsPerPixel);
    // Copies through the region as clip.
    void TransparentBitBlt(CDC* dc, int x, int y, int width, int height, CDC* sourceDc, int sourceX, int sourceY);

    int GetWidth() const { return m_frameWidth; }
    int GetHeight() const { return m_height; }
    WORD GetFrameCount() const { return m_frameCount; }
    CRgn& GetRegion() { return m_region; }
    CDC& GetMemoryDc() { return m_memoryDc; }

protected:
    void SetFrameCount(WORD count) { m_frameCount = count ? count : 1; }

private:
    void BuildRegion(CBitmap& bitmap);
    void Drop();

    UINT m_bitmapId = 0;
    CRgn m_region;
    CDC m_memoryDc;
    // The resource bitmap that Load read, kept while the context holds it.
    CBitmap m_resourceBitmap;
    WORD m_frameCount = 1;
    int m_frameWidth = 0;
    int m_height = 0;
};
