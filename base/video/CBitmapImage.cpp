#include "CBitmapImage.h"

#include <cstdlib>

#include "UColorSpace.h"

CBitmapImage::CBitmapImage(EColorFormat format, short width, short height, short bitmapWidth)
    : m_format(format), m_width(width), m_height(height), m_bitmapWidth(bitmapWidth)
{
    m_buffer.assign(size_t(std::abs(int(height))) * size_t(GetInputLineSize()), 0);
}

LONG CBitmapImage::GetInputLineSize() const
{
    // A negative width describes no pixels.
    const int width = m_bitmapWidth ? m_bitmapWidth : m_width;
    return UColorSpace::GetLineSize(m_format, static_cast<unsigned short>(width > 0 ? width : 0));
}
