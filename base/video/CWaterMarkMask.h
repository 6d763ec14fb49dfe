#pragma once
// Turns a watermark picture into a byte mask by a colour key: 1 where the picture is to be drawn.
// The picture holds `height` lines of UColorSpace::GetLineSize(format, width) bytes.
#include <vector>

#include "EColorFormat.h"
#include "win32/WinTypes.h"

class CWaterMarkMask {
public:
    CWaterMarkMask() = default;
    CWaterMarkMask(const CWaterMarkMask&) = default;
    CWaterMarkMask& operator=(const CWaterMarkMask&) = default;
    virtual ~CWaterMarkMask() = default;

    void SetMaskColor(BYTE red, BYTE green, BYTE blue);
    void ProcessMask(const BYTE* picture, EColorFormat format, unsigned short width, unsigned short height,
                     bool topDown);
    // Owned by the mask; valid until the next ProcessMask, ResetMask or destruction.
    BYTE* GetMask() { return m_mask.empty() ? nullptr : m_mask.data(); }
    void ResetMask() { m_mask.clear(); }
    BYTE GetMask(const BYTE* pixel, int redOffset, int greenOffset, int blueOffset) const;
    static BYTE GetMask(const BYTE* pixel, unsigned short key);

    EColorFormat GetColor() const { return m_format; }
    unsigned short GetWidth() const { return m_width; }
    unsigned short GetHeight() const { return m_height; }

private:
    EColorFormat m_format = kColorNone;
    unsigned short m_width = 0;
    unsigned short m_height = 0;
    BYTE m_keyRed = 0;
    BYTE m_keyGreen = 0;
    BYTE m_keyBlue = 255;
    std::vector<BYTE> m_mask;
};
