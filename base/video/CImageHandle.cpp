#include "CImageHandle.h"

void CImageHandle::Clear()
{
    CHandle::Clear();
    m_color = static_cast<EColorFormat>(0);
    m_topDown = true;
    m_imageWidth = m_imageHeight = 0;
    m_bufferWidth = m_bufferHeight = 0;
}
