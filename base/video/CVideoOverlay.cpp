#include "CVideoOverlay.h"

#include "StoreChanged.h"

void CVideoOverlay::SetOverlayColor(EColorFormat v)
{
    if (StoreChanged(m_overlayColor, v))
        ResetFlags();
}

void CVideoOverlay::SetOverlayWidth(unsigned short v)
{
    if (StoreChanged(m_overlayWidth, v))
        ResetFlags();
}

void CVideoOverlay::SetOverlayHeight(unsigned short v)
{
    if (StoreChanged(m_overlayHeight, v))
        ResetFlags();
}

void CVideoOverlay::SetOverlayImageWidth(unsigned short v)
{
    if (StoreChanged(m_overlayImageWidth, v))
        ResetFlags();
}

void CVideoOverlay::SetOverlayImageHeight(unsigned short v)
{
    if (StoreChanged(m_overlayImageHeight, v))
        ResetFlags();
}
