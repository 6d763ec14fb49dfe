#include "CVideoScaler.h"
#include "StoreChanged.h"

#include <algorithm>
#include <cstring>

#include "UColorSpace.h"
#include "VideoFormats.h"

using namespace VideoFormats;

namespace {

bool IsLumaRgb32(int f)
{
    return IsLumaRgb(f) && Group(f) != 3;
}

bool IsLumaRgb24(int f)
{
    return IsLumaRgb(f) && Group(f) == 3;
}

}  // namespace

void CVideoScaler::SetInputData(BYTE* data)
{
    if (m_inputData != data) {
        m_inputData = data;
        m_blacked = false;
    }
}

void CVideoScaler::SetOutputData(BYTE* data)
{
    if (m_outputData != data) {
        m_outputData = data;
        m_blacked = false;
    }
}

void CVideoScaler::ResetFlags()
{
    m_initialized = false;
    m_blacked = false;
}

void CVideoScaler::SetTargetWidth(unsigned short w)
{
    if (!StoreChanged(m_targetWidth, w))
        return;
    m_outputX = 0;
    m_outputWidth = w;
    ResetFlags();
}

void CVideoScaler::SetTargetHeight(unsigned short h)
{
    if (!StoreChanged(m_targetHeight, h))
        return;
    m_outputY = 0;
    m_outputHeight = h;
    ResetFlags();
}

void CVideoScaler::SetOutputX(unsigned short x)
{
    if (StoreChanged(m_outputX, AdjustOutputX(x)))
        ResetFlags();
}

void CVideoScaler::SetOutputY(unsigned short y)
{
    if (StoreChanged(m_outputY, y))
        ResetFlags();
}

void CVideoScaler::SetOutputWidth(unsigned short w)
{
    if (StoreChanged(m_outputWidth, w))
        ResetFlags();
}

void CVideoScaler::SetOutputHeight(unsigned short h)
{
    if (StoreChanged(m_outputHeight, h))
        ResetFlags();
}

void CVideoScaler::SetOutputImageWidth(unsigned short w)
{
    if (StoreChanged(m_outputImageWidth, w))
        ResetFlags();
}

void CVideoScaler::SetOutputImageHeight(unsigned short h)
{
    if (StoreChanged(m_outputImageHeight, h))
        ResetFlags();
}

void CVideoScaler::SetImageFlip(EImageFlip flip)
{
    if (StoreChanged(m_imageFlip, flip))
        ResetFlags();
}

void CVideoScaler::SetImageRotation(EImageRotation rotation)
{
    if (StoreChanged(m_imageRotation, rotation))
        ResetFlags();
}

void CVideoScaler::SetOutputColor(EColorFormat color)
{
    if (!StoreChanged(m_outputColor, color))
        return;
    ResetFlags();
    SetOutputX(AdjustOutputX(m_outputX));
}

// ---- Output layout ----

int CVideoScaler::GetOutputBytePerPixel() const
{
    const int f = m_outputColor;
    if (f == kColorRgb8)
        return 1;
    if (IsRgb16(f))
        return 2;
    if (f == kColorRgb24 || IsLumaRgb24(f))
        return 3;
    return 4;
}

int CVideoScaler::GetOutputLineSize() const
{
    if (IsLumaRgb24(m_outputColor))
        return 3 * OutputBufferWidth();
    return UColorSpace::GetLineSize(m_outputColor, static_cast<unsigned short>(OutputBufferWidth()));
}

int CVideoScaler::GetOutputYBytePerPixel() const
{
    const int f = m_outputColor;
    if (IsPacked422(f))
        return 2;
    if (IsPlanar420(f) || f == kColorYvu9 || f == kColorLuma)
        return 1;
    if (IsLumaRgb24(f))
        return 3;
    return 4;
}

int CVideoScaler::GetOutputUBytePerPixel() const
{
    const int f = m_outputColor;
    if (IsPlanar420(f) || f == kColorYvu9)
        return 1;
    if (f == kColorLuma)
        return 0;
    if (IsLumaRgb24(f))
        return 3;
    return 4;
}

int CVideoScaler::GetOutputYLineSize() const
{
    const int f = m_outputColor, w = OutputBufferWidth();
    if (IsPacked422(f))
        return 2 * w;
    if (IsPlanar420(f) || f == kColorYvu9 || f == kColorLuma)
        return w;
    if (IsLumaRgb24(f))
        return 3 * w;
    return 4 * w;
}

int CVideoScaler::GetOutputULineSize() const
{
    const int f = m_outputColor, w = OutputBufferWidth();
    if (IsPacked422(f))
        return 2 * w;
    if (IsPlanar420(f))
        return w / 2;
    if (f == kColorYvu9)
        return w / 4;
    if (f == kColorLuma)
        return 0;
    if (IsLumaRgb24(f))
        return 3 * w;
    return 4 * w;
}

int CVideoScaler::GetOutputUWidth() const
{
    const int f = m_outputColor;
    if (IsPacked422(f) || IsPlanar420(f))
        return m_outputWidth / 2;
    if (f == kColorYvu9)
        return m_outputWidth / 4;
    if (f == kColorLuma)
        return 0;
    return m_outputWidth;
}

int CVideoScaler::GetOutputUHeight() const
{
    const int f = m_outputColor;
    if (IsPlanar420(f))
        return m_outputHeight / 2;
    if (f == kColorYvu9)
        return m_outputHeight / 4;
    if (f == kColorLuma)
        return 0;
    return m_outputHeight;
}

BYTE* CVideoScaler::GetOutputDataStart()
{
    const ptrdiff_t line = GetOutputLineSize();
    // An unset image height means the target height: the whole frame is the buffer.
    const ptrdiff_t row =
        m_outputTopDown ? m_outputY : ptrdiff_t(OutputBufferHeight()) - m_outputY - m_outputHeight;
    return m_outputData + line * row + ptrdiff_t(GetOutputBytePerPixel()) * m_outputX;
}

BYTE* CVideoScaler::GetOutputLine(int row) const
{
    return m_outputData + ptrdiff_t(row) * GetOutputLineSize();
}

BYTE* CVideoScaler::GetOutputYLine(int row) const
{
    return m_outputData + ptrdiff_t(row) * GetOutputYLineSize();
}

BYTE* CVideoScaler::GetOutputYDataStart() const
{
    return GetOutputYLine(m_outputY) + ptrdiff_t(GetOutputYBytePerPixel()) * m_outputX;
}

namespace {

// Byte offsets of the U and V planes of a planar output or input, from the buffer start.
void PlaneOffsets(int format, size_t lumaSize, size_t& u, size_t& v)
{
    switch (format) {
    case kColorYv12: v = lumaSize; u = 5 * lumaSize / 4; break;
    case kColorYvu9: v = lumaSize; u = 17 * lumaSize / 16; break;
    default: u = lumaSize; v = 5 * lumaSize / 4; break;
    }
}

}  // namespace

BYTE* CVideoScaler::GetOutputULine(int row) const
{
    const int f = m_outputColor;
    if (IsPlanar420(f) || f == kColorYvu9) {
        size_t u, v;
        PlaneOffsets(f, size_t(GetOutputYLineSize()) * m_targetHeight, u, v);
        return m_outputData + u + ptrdiff_t(row) * GetOutputULineSize();
    }
    return m_outputData + ptrdiff_t(row) * GetOutputULineSize();
}

BYTE* CVideoScaler::GetOutputVLine(int row) const
{
    const int f = m_outputColor;
    if (IsPlanar420(f) || f == kColorYvu9) {
        size_t u, v;
        PlaneOffsets(f, size_t(GetOutputYLineSize()) * m_targetHeight, u, v);
        return m_outputData + v + ptrdiff_t(row) * GetOutputVLineSize();
    }
    return m_outputData + ptrdiff_t(row) * GetOutputVLineSize();
}

BYTE* CVideoScaler::GetOutputUDataStart() const
{
    const int f = m_outputColor;
    if (IsPlanar420(f))
        return GetOutputULine(m_outputY / 2) + m_outputX / 2;
    if (f == kColorYvu9)
        return GetOutputULine(m_outputY / 4) + m_outputX / 4;
    if (IsPacked422(f))
        return GetOutputULine(m_outputY) + 4 * (m_outputX / 2);
    if (f == kColorLuma)
        return nullptr;
    return GetOutputULine(m_outputY) + ptrdiff_t(GetOutputUBytePerPixel()) * m_outputX;
}

BYTE* CVideoScaler::GetOutputVDataStart() const
{
    const int f = m_outputColor;
    if (IsPlanar420(f))
        return GetOutputVLine(m_outputY / 2) + m_outputX / 2;
    if (f == kColorYvu9)
        return GetOutputVLine(m_outputY / 4) + m_outputX / 4;
    if (IsPacked422(f))
        return GetOutputVLine(m_outputY) + 4 * (m_outputX / 2);
    if (f == kColorLuma)
        return nullptr;
    return GetOutputVLine(m_outputY) + ptrdiff_t(GetOutputVBytePerPixel()) * m_outputX;
}

// ---- Initialisation ----

void CVideoScaler::Scale()
{
    if (!m_initialized) {
        Initialize();
        m_initialized = true;
    }
    if (!m_blacked) {
        Black();
        m_blacked = true;
    }
    if (!m_inputData || !m_outputData || !m_inputWidth || !m_inputHeight || !m_outputWidth || !m_outputHeight)
        return;
    ScaleSelf();
}

void CVideoScaler::ScaleSelf()
{
    if (m_color)
        ColorScaleSelf();
    else
        GreyScaleScaleSelf();
}

void CVideoScaler::ClampRectangles()
{
    // Rectangles outside their frames would make the maps walk outside the buffers.
    m_inputX = std::min(m_inputX, m_originalWidth);
    m_inputWidth = std::min<unsigned short>(m_inputWidth, m_originalWidth - m_inputX);
    m_inputY = std::min(m_inputY, m_originalHeight);
    m_inputHeight = std::min<unsigned short>(m_inputHeight, m_originalHeight - m_inputY);
    m_outputX = AdjustOutputX(std::min(m_outputX, m_targetWidth));
    m_outputWidth = std::min<unsigned short>(m_outputWidth, m_targetWidth - m_outputX);
    m_outputY = std::min(m_outputY, m_targetHeight);
    m_outputHeight = std::min<unsigned short>(m_outputHeight, m_targetHeight - m_outputY);
}

void CVideoScaler::Initialize()
{
    ClampRectangles();
    InitializeInputOffset();
    InitializeOutputOffset();
    InitializeTempData();
    InitializeMask();
    InitializeXMaps();
    InitializeYMaps();
    TransformMaps();
}

namespace {

struct Offsets {
    int r = -1, g = -1, b = -1, y = -1, u = -1, v = -1;
};

Offsets FormatOffsets(int f, bool output)
{
    Offsets o;
    switch (f) {
    case kColorRgb24:
    case kColorRgb32:
    case kColorArgb32: o.r = 2; o.g = 1; o.b = 0; return o;
    case kColorRgbx32: o.r = 0; o.g = 1; o.b = 2; return o;
    case kColorXbgr32: o.r = 3; o.g = 2; o.b = 1; return o;
    case kColorAyuv: o.y = 1; o.u = 2; o.v = 3; return o;
    case kColorUyvy: o.y = 1; o.u = 0; o.v = 2; return o;
    case kColorYuy2: o.y = 0; o.u = 1; o.v = 3; return o;
    case kColorYvyu: o.y = 0; o.u = 3; o.v = 1; return o;
    case kColorIyuv:
    case kColorYv12:
    case kColorYvu9:
    case kColorI420:
    case kColorLuma: o.y = 0; o.u = 0; o.v = 0; return o;
    default: break;
    }
    if (!output)
        return o;
    if (IsPartRgb(f)) {
        if (Group(f) == 2) {
            o.r = 3; o.g = 2; o.b = 1;
        } else {
            o.r = 2; o.g = 1; o.b = 0;
        }
    } else if (IsLumaRgb(f)) {
        static const int kLuma[4][4] = {{2, 1, 0, 0}, {2, 1, 0, 0}, {3, 2, 1, 1}, {2, 1, 0, 0}};
        o.y = kLuma[Group(f)][f % 10];
        o.u = 0;
        o.v = 0;
    }
    return o;
}

void Apply(const Offsets& o, BYTE& r, BYTE& g, BYTE& b, BYTE& y, BYTE& u, BYTE& v)
{
    if (o.r >= 0) {
        r = BYTE(o.r); g = BYTE(o.g); b = BYTE(o.b);
    }
    if (o.y >= 0) {
        y = BYTE(o.y); u = BYTE(o.u); v = BYTE(o.v);
    }
}

}  // namespace

void CVideoScaler::InitializeInputOffset()
{
    m_inROffset = m_inGOffset = m_inBOffset = m_inYOffset = m_inUOffset = m_inVOffset = 0;
    Apply(FormatOffsets(m_inputColor, false), m_inROffset, m_inGOffset, m_inBOffset, m_inYOffset, m_inUOffset,
          m_inVOffset);
}

void CVideoScaler::InitializeOutputOffset()
{
    Apply(FormatOffsets(m_outputColor, true), m_outROffset, m_outGOffset, m_outBOffset, m_outYOffset, m_outUOffset,
          m_outVOffset);
}

void CVideoScaler::InitializeTempData()
{
    m_inBytePerPixel = BYTE(GetInputBytePerPixel());
    m_inLineSize = GetInputLineSize();
    m_inYBytePerPixel = BYTE(GetInputYBytePerPixel());
    m_inUBytePerPixel = BYTE(GetInputUBytePerPixel());
    m_inVBytePerPixel = BYTE(GetInputVBytePerPixel());
    m_inYLineSize = GetInputYLineSize();
    m_inULineSize = GetInputULineSize();
    m_inVLineSize = GetInputVLineSize();
    m_outBytePerPixel = BYTE(GetOutputBytePerPixel());
    m_outLineSize = GetOutputLineSize();
    m_outYBytePerPixel = BYTE(GetOutputYBytePerPixel());
    m_outUBytePerPixel = BYTE(GetOutputUBytePerPixel());
    m_outVBytePerPixel = BYTE(GetOutputVBytePerPixel());
    m_outYLineSize = GetOutputYLineSize();
    m_outULineSize = GetOutputULineSize();
    m_outVLineSize = GetOutputVLineSize();
}

void CVideoScaler::InitializeMask()
{
    m_maskXMap.SetGap(1);
    m_maskXMap.SetInputLength(m_inputWidth);
    m_maskXMap.SetOutputLength(m_outputWidth);
    m_maskYMap.SetGap(m_originalWidth);
    m_maskYMap.SetInputLength(m_inputHeight);
    m_maskYMap.SetOutputLength(m_outputHeight);
    m_maskXMap.Initialize();
    m_maskYMap.Initialize();
}

bool CVideoScaler::ConstantInputChroma() const
{
    return m_inputColor == kColorLuma || GetInputUWidth() == 0 || GetInputUHeight() == 0;
}

void CVideoScaler::InitializeChromaXMap(CMemoryMap& map, bool u, int outputLength)
{
    const bool constant = ConstantInputChroma();
    map.SetGap(constant ? 0 : (u ? m_inUBytePerPixel : m_inVBytePerPixel));
    map.SetInputLength(static_cast<unsigned short>(constant ? 0 : (u ? GetInputUWidth() : GetInputVWidth())));
    map.SetOutputLength(static_cast<unsigned short>(outputLength));
}

void CVideoScaler::InitializeChromaYMap(CMemoryMap& map, bool u, int outputLength)
{
    const bool constant = ConstantInputChroma();
    map.SetGap(constant ? 0 : (u ? m_inULineSize : m_inVLineSize));
    map.SetInputLength(static_cast<unsigned short>(constant ? 0 : (u ? GetInputUHeight() : GetInputVHeight())));
    map.SetOutputLength(static_cast<unsigned short>(outputLength));
}

BYTE* CVideoScaler::InputChromaStart(bool u)
{
    if (ConstantInputChroma())
        return u ? &m_constU : &m_constV;
    return u ? GetInputUDataStart() + m_inUOffset : GetInputVDataStart() + m_inVOffset;
}

bool CVideoScaler::CanCopyLines() const
{
    return m_outputColor == m_inputColor && m_outputWidth == m_inputWidth && m_imageRotation == kImageRotationNone &&
           m_imageFlip != kImageFlipLeftRight && !m_mask;
}

void CVideoScaler::CopyLines(BYTE* out, ptrdiff_t outLine, const CMemoryMap& lines, ptrdiff_t back,
                             size_t bytes) const
{
    for (int i = 0; i < m_outputHeight; ++i, out += outLine)
        std::memcpy(out, lines.GetDataPtr(i) - back, bytes);
}

// ---- Mask ----

const BYTE* CVideoScaler::GetMaskRow(int y)
{
    if (!m_mask)
        return nullptr;
    m_maskYMap.SetStart(const_cast<BYTE*>(GetMaskDataStart()));
    if (m_flip)
        y = m_outputHeight - y - 1;
    return m_maskYMap.GetDataPtr(y);
}

bool CVideoScaler::GetMask(int x, int y)
{
    const BYTE* row = GetMaskRow(y);
    return !row || row[m_maskXMap.Map(x)] != 0;
}

// ---- Orientation ----

void CVideoScaler::TransformMap(CResizeMap& x, CResizeMap& y)
{
    if (!m_inputTopDown)
        y.SetGap(-y.GetGap());
    FlipMap(x, y);
    RotateMap(x, y);
    if (!m_outputTopDown)
        y.SetGap(-y.GetGap());
    x.Initialize();
    y.Initialize();
}

void CVideoScaler::FlipMap(CResizeMap& x, CResizeMap& y)
{
    if (m_imageFlip == kImageFlipLeftRight)
        x.SetGap(-x.GetGap());
    else if (m_imageFlip == kImageFlipTopBottom)
        y.SetGap(-y.GetGap());
}

void CVideoScaler::RotateMap(CResizeMap& x, CResizeMap& y)
{
    const long xGap = x.GetGap(), yGap = y.GetGap();
    const unsigned short xLength = x.GetInputLength(), yLength = y.GetInputLength();
    switch (m_imageRotation) {
    case kImageRotationLeft:
        x.SetGap(yGap);
        y.SetGap(-xGap);
        break;
    case kImageRotationRight:
        x.SetGap(-yGap);
        y.SetGap(xGap);
        break;
    case kImageRotationHalf:
        x.SetGap(-xGap);
        y.SetGap(-yGap);
        return;
    default: return;
    }
    x.SetInputLength(yLength);
    y.SetInputLength(xLength);
}

void CVideoScaler::FlipLine(int* rowA, int* rowB)
{
    std::swap(rowA[0], rowB[0]);
    std::swap(rowA[1], rowB[1]);
}

BYTE* CVideoScaler::CalculateDataStart(BYTE* data, const CResizeMap& x, const CResizeMap& y) const
{
    const CResizeMap& lines = QuarterTurn() ? x : y;
    const CResizeMap& columns = QuarterTurn() ? y : x;
    const ptrdiff_t rows = std::max<ptrdiff_t>(lines.GetInputLength() - 1, 0);
    const ptrdiff_t cols = std::max<ptrdiff_t>(columns.GetInputLength() - 1, 0);
    BYTE* corner[4] = {data, data + cols * columns.GetAbsoluteGap(), data + rows * lines.GetAbsoluteGap(), nullptr};
    corner[3] = corner[2] + cols * columns.GetAbsoluteGap();

    int grid[2][2] = {{0, 1}, {2, 3}};  // top row, bottom row
    if (!m_inputTopDown)
        FlipLine(grid[0], grid[1]);
    if (m_imageFlip == kImageFlipLeftRight) {
        std::swap(grid[0][0], grid[0][1]);
        std::swap(grid[1][0], grid[1][1]);
    } else if (m_imageFlip == kImageFlipTopBottom) {
        FlipLine(grid[0], grid[1]);
    }
    const int tl = grid[0][0], tr = grid[0][1], bl = grid[1][0], br = grid[1][1];
    switch (m_imageRotation) {
    case kImageRotationLeft:
        grid[0][0] = tr; grid[0][1] = br; grid[1][1] = bl; grid[1][0] = tl;
        break;
    case kImageRotationRight:
        grid[0][0] = bl; grid[1][0] = br; grid[1][1] = tr; grid[0][1] = tl;
        break;
    case kImageRotationHalf:
        grid[0][0] = br; grid[1][1] = tl; grid[0][1] = bl; grid[1][0] = tr;
        break;
    default: break;
    }
    if (!m_outputTopDown)
        FlipLine(grid[0], grid[1]);
    return corner[grid[0][0]];
}

// ---- Black borders ----

void CVideoScaler::Black()
{
    if (m_mask)
        return;
    ClampRectangles();
    const unsigned short tw = m_targetWidth, th = m_targetHeight;
    const unsigned short ox = m_outputX, oy = m_outputY, ow = m_outputWidth, oh = m_outputHeight;
    BlackRect(0, 0, tw, oy);
    BlackRect(0, static_cast<unsigned short>(oy + oh), tw, static_cast<unsigned short>(th - oy - oh));
    BlackRect(0, oy, ox, oh);
    BlackRect(static_cast<unsigned short>(ox + ow), oy, static_cast<unsigned short>(tw - ox - ow), oh);
}

void CVideoScaler::BlackAll()
{
    BlackRect(0, 0, m_targetWidth, m_targetHeight);
}

void CVideoScaler::BlackRect(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    if (!m_blackBorder || !m_outputData || !width || !height)
        return;
    const int f = m_outputColor;
    if (IsRgb16(f))
        BlackRectRgb16(x, y, width, height);
    else if (f == kColorRgb24 || IsLumaRgb24(f))
        BlackRectRgb24(x, y, width, height);
    else if ((f >= kColorRgbx32 && f <= kColorArgb32) || IsLumaRgb32(f))
        BlackRectRgb32(x, y, width, height);
    else if (f == kColorAyuv)
        BlackRectYuv444(x, y, width, height);
    else if (IsPacked422(f))
        BlackRectYuv422(x, y, width, height);
    else if (IsPlanar420(f))
        BlackRectYuv420Planar(x, y, width, height);
    else if (f == kColorYvu9)
        BlackRectYuv9Planar(x, y, width, height);
    else if (f == kColorLuma)
        BlackRectY(x, y, width, height);
}

void CVideoScaler::FillRows(unsigned short x, unsigned short y, unsigned short width, unsigned short height,
                            int bytesPerPixel, const BYTE* pixel, bool yPlane)
{
    // The pattern covers one pixel, or a pair of pixels for packed 4:2:2.
    const int patternSize = IsPacked422(m_outputColor) ? 4 : bytesPerPixel;
    const ptrdiff_t line = yPlane ? GetOutputYLineSize() : GetOutputLineSize();
    const int rows = std::min(int(y) + height, OutputBufferHeight());
    const ptrdiff_t begin = ptrdiff_t(x) * bytesPerPixel;
    const ptrdiff_t wanted = (ptrdiff_t(width) * bytesPerPixel + patternSize - 1) / patternSize * patternSize;
    // Never beyond the line: an odd-width packed frame ends on half a pair.
    const ptrdiff_t count = std::min(wanted, line - begin);
    for (int r = y; r < rows; ++r) {
        BYTE* p = (yPlane ? GetOutputYLine(r) : GetOutputLine(r)) + begin;
        for (ptrdiff_t i = 0; i < count; ++i)
            p[i] = pixel[i % patternSize];
    }
}

void CVideoScaler::BlackRectRgb16(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    static const BYTE kBlack[2] = {0, 0};
    FillRows(x, y, width, height, 2, kBlack, false);
}

void CVideoScaler::BlackRectRgb24(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    static const BYTE kBlack[3] = {0, 0, 0};
    FillRows(x, y, width, height, 3, kBlack, false);
}

void CVideoScaler::BlackRectRgb32(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    static const BYTE kBlack[4] = {0, 0, 0, 0};
    FillRows(x, y, width, height, 4, kBlack, false);
}

void CVideoScaler::BlackRectY(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    static const BYTE kBlack[1] = {16};
    FillRows(x, y, width, height, 1, kBlack, true);
}

void CVideoScaler::BlackRectYuv444(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    InitializeOutputOffset();
    BYTE black[4] = {0, 0, 0, 0};
    black[m_outYOffset] = 16;
    black[m_outUOffset] = 128;
    black[m_outVOffset] = 128;
    FillRows(x, y, width, height, 4, black, true);
}

void CVideoScaler::BlackRectYuv422(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    InitializeOutputOffset();
    BYTE black[4];
    black[m_outYOffset] = 16;
    black[m_outYOffset + 2] = 16;
    black[m_outUOffset] = 128;
    black[m_outVOffset] = 128;
    FillRows(x, y, width, height, 2, black, true);
}

namespace {

void FillChroma(BYTE* (CVideoScaler::*line)(int) const, const CVideoScaler& s, int first, int end, int column,
                int count, int lineSize)
{
    count = std::min(count, lineSize - column);
    for (int r = first; r < end && count > 0; ++r)
        std::memset((s.*line)(r) + column, 128, size_t(count));
}

}  // namespace

void CVideoScaler::BlackRectYuv420Planar(unsigned short x, unsigned short y, unsigned short width,
                                         unsigned short height)
{
    // Planar borders use luma 22: long-standing output that stored frames were made with.
    static const BYTE kBlack[1] = {22};
    FillRows(x, y, width, height, 1, kBlack, true);
    const int end = std::min((y + height) / 2, m_targetHeight / 2);
    FillChroma(&CVideoScaler::GetOutputULine, *this, y / 2, end, x / 2, width / 2, GetOutputULineSize());
    FillChroma(&CVideoScaler::GetOutputVLine, *this, y / 2, end, x / 2, width / 2, GetOutputVLineSize());
}

void CVideoScaler::BlackRectYuv9Planar(unsigned short x, unsigned short y, unsigned short width, unsigned short height)
{
    static const BYTE kBlack[1] = {22};
    FillRows(x, y, width, height, 1, kBlack, true);
    const int end = std::min((y + height) / 4, m_targetHeight / 4);
    FillChroma(&CVideoScaler::GetOutputULine, *this, y / 4, end, x / 4, width / 4, GetOutputULineSize());
    FillChroma(&CVideoScaler::GetOutputVLine, *this, y / 4, end, x / 4, width / 4, GetOutputVLineSize());
}

CVideoScaler::YuvTarget CVideoScaler::OutputYuvTarget(bool useMask, int chromaMaskColumn, bool grey) const
{
    YuvTarget t;
    t.y = GetOutputYDataStart() + m_outYOffset;
    BYTE* u = GetOutputUDataStart();
    BYTE* v = GetOutputVDataStart();
    t.u = u ? u + m_outUOffset : nullptr;
    t.v = v ? v + m_outVOffset : nullptr;
    t.yLine = m_outYLineSize;
    t.uLine = m_outULineSize;
    t.vLine = m_outVLineSize;
    t.yStep = m_outYBytePerPixel;
    t.uStep = m_outUBytePerPixel;
    t.vStep = m_outVBytePerPixel;
    t.useMask = useMask;
    t.chromaMaskColumn = chromaMaskColumn;
    t.grey = grey;
    t.greyU = m_constU;
    t.greyV = m_constV;
    return t;
}

void CVideoScaler::SetMap(CResizeMap& map, long gap, int inputLength, int outputLength)
{
    map.SetGap(gap);
    map.SetInputLength(static_cast<unsigned short>(inputLength));
    map.SetOutputLength(static_cast<unsigned short>(outputLength));
}

bool CVideoScaler::RgbOutput() const
{
    return (m_outputColor >= kColorRgb24 && m_outputColor <= kColorArgb32) || IsPartRgb(m_outputColor);
}
