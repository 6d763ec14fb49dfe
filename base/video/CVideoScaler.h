#pragma once
// Abstract base of the format-pair scalers: takes the input rectangle of a frame and writes it,
// resized by nearest-neighbour sampling and optionally mirrored and rotated, into a rectangle of
// an output frame of another colour format, blacking the rest of the output frame.
#include <cstddef>
#include <vector>

#include "CMemoryMap.h"
#include "CVideoProcessor.h"
#include "EImageFlip.h"
#include "EImageRotation.h"



class CVideoScaler : public CVideoProcessor {
public:
    // Byte offsets of R, G, B within an output pixel.
    struct RgbOffsets {
        int r, g, b;
    };
    // Where a YUV or luma output goes and how its chroma is guarded.
    struct YuvTarget {
        BYTE* y;  // first luma byte of the rectangle, Y offset included
        BYTE* u;
        BYTE* v;
        ptrdiff_t yLine, uLine, vLine;
        int yStep, uStep, vStep;
        bool useMask;          // false: every sample is written
        int chromaMaskColumn;  // chroma of pair k follows the mask at 2k (0) or 2k + 1 (1)
        bool grey;             // chroma = the constant bytes, written without the mask
        BYTE greyU, greyV;
    };

    CVideoScaler() = default;
    CVideoScaler(const CVideoScaler&) = default;
    CVideoScaler& operator=(const CVideoScaler&) = default;
    ~CVideoScaler() override = default;

    void SetInputData(BYTE* data) override;
    virtual void ResetFlags();
    virtual void Scale();
    virtual void Initialize();
    virtual void InitializeInputOffset();
    virtual void InitializeOutputOffset();
    virtual void InitializeTempData();
    virtual void InitializeMask();
    virtual void InitializeXMaps() {}
    virtual void InitializeYMaps() {}
    virtual void TransformMaps() {}
    virtual void Black();
    virtual void BlackAll();
    virtual void BlackRect(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    virtual void ScaleSelf();
    virtual void ColorScaleSelf() = 0;
    virtual void GreyScaleScaleSelf() { ColorScaleSelf(); }
    virtual void SetPalette(BYTE /*r*/, BYTE /*g*/, BYTE /*b*/, BYTE /*index*/) {}

    void SetTargetWidth(unsigned short w);
    void SetTargetHeight(unsigned short h);
    void SetOutputX(unsigned short x);
    void SetOutputY(unsigned short y);
    void SetOutputWidth(unsigned short w);
    void SetOutputHeight(unsigned short h);
    void SetOutputImageWidth(unsigned short w);
    void SetOutputImageHeight(unsigned short h);
    void SetImageFlip(EImageFlip flip);
    void SetImageRotation(EImageRotation rotation);
    void SetOutputColor(EColorFormat color);
    void SetOutputTopDown(bool topDown) { m_outputTopDown = topDown; }
    void SetBlackBorder(bool black) { m_blackBorder = black; }
    void SetGreyU(BYTE u) { m_constU = u; }
    void SetGreyV(BYTE v) { m_constV = v; }
    void SetOutputData(BYTE* data);

    unsigned short GetTargetWidth() const { return m_targetWidth; }
    unsigned short GetTargetHeight() const { return m_targetHeight; }
    unsigned short GetOutputX() const { return m_outputX; }
    unsigned short GetOutputY() const { return m_outputY; }
    unsigned short GetOutputWidth() const { return m_outputWidth; }
    unsigned short GetOutputHeight() const { return m_outputHeight; }
    unsigned short GetOutputImageWidth() const { return m_outputImageWidth; }
    unsigned short GetOutputImageHeight() const { return m_outputImageHeight; }
    EColorFormat GetOutputColor() const { return m_outputColor; }
    bool GetOutputTopDown() const { return m_outputTopDown; }
    EImageFlip GetImageFlip() const { return m_imageFlip; }
    EImageRotation GetImageRotation() const { return m_imageRotation; }
    BYTE* GetOutputData() const { return m_outputData; }
    BYTE GetGreyU() const { return m_constU; }
    BYTE GetGreyV() const { return m_constV; }

    static unsigned short AdjustOutputX(unsigned short x) { return static_cast<unsigned short>(x & ~1u); }

    // Output layout.
    int GetOutputBytePerPixel() const;
    int GetOutputLineSize() const;
    int GetOutputYBytePerPixel() const;
    int GetOutputUBytePerPixel() const;
    int GetOutputVBytePerPixel() const { return GetOutputUBytePerPixel(); }
    int GetOutputYLineSize() const;
    int GetOutputULineSize() const;
    int GetOutputVLineSize() const { return GetOutputULineSize(); }
    int GetOutputYWidth() const { return m_outputWidth; }
    int GetOutputYHeight() const { return m_outputHeight; }
    int GetOutputUWidth() const;
    int GetOutputVWidth() const { return GetOutputUWidth(); }
    int GetOutputUHeight() const;
    int GetOutputVHeight() const { return GetOutputUHeight(); }
    BYTE* GetOutputDataStart();
    BYTE* GetOutputLine(int row) const;
    BYTE* GetOutputYDataStart() const;
    BYTE* GetOutputUDataStart() const;
    BYTE* GetOutputVDataStart() const;
    BYTE* GetOutputYLine(int row) const;
    BYTE* GetOutputULine(int row) const;
    BYTE* GetOutputVLine(int row) const;

    bool GetMask(int x, int y);
    bool HasMask() const { return m_mask != nullptr; }
    // Working memory of the row kernels; grows on first use after a size change only.
    BYTE* Scratch(size_t bytes)
    {
        if (m_scratch.size() < bytes)
            m_scratch.resize(bytes);
        return m_scratch.data();
    }
    // The mask bytes of output row y, indexed through GetMaskColumns(); null without a mask.
    const BYTE* GetMaskRow(int y);
    const ptrdiff_t* GetMaskColumns() const { return m_maskXMap.GetTable(); }

    void TransformMap(CResizeMap& x, CResizeMap& y);
    void FlipMap(CResizeMap& x, CResizeMap& y);
    void RotateMap(CResizeMap& x, CResizeMap& y);
    BYTE* CalculateDataStart(BYTE* data, const CResizeMap& x, const CResizeMap& y) const;
    static void FlipLine(int* rowA, int* rowB);

    void BlackRectRgb16(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void BlackRectRgb24(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void BlackRectRgb32(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void BlackRectY(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void BlackRectYuv444(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void BlackRectYuv422(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void BlackRectYuv420Planar(unsigned short x, unsigned short y, unsigned short width, unsigned short height);
    void BlackRectYuv9Planar(unsigned short x, unsigned short y, unsigned short width, unsigned short height);

protected:
    int OutputBufferWidth() const { return m_outputImageWidth ? m_outputImageWidth : m_targetWidth; }
    int OutputBufferHeight() const { return m_outputImageHeight ? m_outputImageHeight : m_targetHeight; }
    bool QuarterTurn() const
    {
        return m_imageRotation == kImageRotationLeft || m_imageRotation == kImageRotationRight;
    }
    // Whether the input's chroma comes from the constant U and V bytes: a luma plane, or a
    // rectangle too small to hold one chroma sample.
    bool ConstantInputChroma() const;
    // Sets up maps for an input chroma channel (U when u, else V).
    void InitializeChromaXMap(CMemoryMap& map, bool u, int outputLength);
    void InitializeChromaYMap(CMemoryMap& map, bool u, int outputLength);
    BYTE* InputChromaStart(bool u);
    static void SetMap(CResizeMap& map, long gap, int inputLength, int outputLength);
    // Whether the output takes RGB channels: 103-107 and the channel subsets 3000-3035.
    bool RgbOutput() const;
    // Anchors a map pair at the start corner of a channel whose first byte is data.
    void StartMaps(BYTE* data, CMemoryMap& x, CMemoryMap& y) const { y.SetStart(CalculateDataStart(data, x, y)); }
    // Whether the same-format, same-width, unrotated, unmirrored, unmasked case copies lines.
    bool CanCopyLines() const;
    // The whole-line path: bytes from each input line the Y map picks, minus back.
    void CopyLines(BYTE* out, ptrdiff_t outLine, const CMemoryMap& lines, ptrdiff_t back, size_t bytes) const;
    void ClampRectangles();
    RgbOffsets OutputRgbOffsets() const { return {m_outROffset, m_outGOffset, m_outBOffset}; }
    YuvTarget OutputYuvTarget(bool useMask, int chromaMaskColumn, bool grey) const;

    void FillRows(unsigned short x, unsigned short y, unsigned short width, unsigned short height, int bytesPerPixel,
                  const BYTE* pixel, bool yPlane);

    unsigned short m_targetWidth = 0;
    unsigned short m_targetHeight = 0;
    unsigned short m_outputX = 0;
    unsigned short m_outputY = 0;
    unsigned short m_outputWidth = 0;
    unsigned short m_outputHeight = 0;
    unsigned short m_outputImageWidth = 0;
    unsigned short m_outputImageHeight = 0;
    bool m_outputTopDown = false;
    EImageFlip m_imageFlip = kImageFlipNone;
    EImageRotation m_imageRotation = kImageRotationNone;

    // Cached input layout.
    BYTE m_inBytePerPixel = 0;
    int m_inLineSize = 0;
    BYTE m_inROffset = 0, m_inGOffset = 0, m_inBOffset = 0;
    BYTE m_inYBytePerPixel = 0, m_inUBytePerPixel = 0, m_inVBytePerPixel = 0;
    int m_inYLineSize = 0, m_inULineSize = 0, m_inVLineSize = 0;
    BYTE m_inYOffset = 0, m_inUOffset = 0, m_inVOffset = 0;
    // Cached output layout.
    BYTE m_outBytePerPixel = 0;
    int m_outLineSize = 0;
    BYTE m_outROffset = 0, m_outGOffset = 0, m_outBOffset = 0;
    BYTE m_outYBytePerPixel = 0, m_outUBytePerPixel = 0, m_outVBytePerPixel = 0;
    int m_outYLineSize = 0, m_outULineSize = 0, m_outVLineSize = 0;
    BYTE m_outYOffset = 0, m_outUOffset = 0, m_outVOffset = 0;

    EColorFormat m_outputColor = kColorNone;
    BYTE* m_outputData = nullptr;
    bool m_initialized = false;
    bool m_blackBorder = true;
    bool m_blacked = false;
    CMemoryMap m_maskXMap;
    CMemoryMap m_maskYMap;
    std::vector<BYTE> m_scratch;
};
