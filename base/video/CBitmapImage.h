#pragma once
// An owned frame buffer of a given format and size.
#include <vector>

#include "EColorFormat.h"
#include "win32/WinTypes.h"

class CBitmapImage {
public:
    CBitmapImage(EColorFormat format, short width, short height, short bitmapWidth);
    CBitmapImage(const CBitmapImage&) = default;
    CBitmapImage& operator=(const CBitmapImage&) = default;
    virtual ~CBitmapImage() = default;

    LONG GetInputLineSize() const;
    EColorFormat GetColor() const { return m_format; }
    short GetWidth() const { return m_width; }
    short GetHeight() const { return m_height; }
    short GetBitmapWidth() const { return m_bitmapWidth; }
    BYTE* GetBuffer() { return m_buffer.data(); }
    size_t GetBufferSize() const { return m_buffer.size(); }

private:
    EColorFormat m_format;
    short m_width;
    short m_height;
    short m_bitmapWidth;
    std::vector<BYTE> m_buffer;
};
