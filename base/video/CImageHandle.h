#pragma once
// A frame buffer: the bytes of a CHandle with the image's format and geometry.
#include "CHandle.h"

enum EColorFormat : int;

class CImageHandle : public CHandle {
public:
    CImageHandle() = default;
    CImageHandle(const CImageHandle&) = default;
    CImageHandle& operator=(const CImageHandle&) = default;
    ~CImageHandle() override = default;
    void Clear() override;

    void SetColor(EColorFormat color) { m_color = color; }
    EColorFormat GetColor() const { return m_color; }
    void SetTopDown(bool topDown) { m_topDown = topDown; }
    bool GetTopDown() const { return m_topDown; }
    void SetImageWidth(unsigned short v) { m_imageWidth = v; }
    unsigned short GetImageWidth() const { return m_imageWidth; }
    void SetImageHeight(unsigned short v) { m_imageHeight = v; }
    unsigned short GetImageHeight() const { return m_imageHeight; }
    void SetBufferWidth(unsigned short v) { m_bufferWidth = v; }
    unsigned short GetBufferWidth() const { return m_bufferWidth; }
    void SetBufferHeight(unsigned short v) { m_bufferHeight = v; }
    unsigned short GetBufferHeight() const { return m_bufferHeight; }

private:
    EColorFormat m_color = static_cast<EColorFormat>(0);
    bool m_topDown = true;
    unsigned short m_imageWidth = 0;
    unsigned short m_imageHeight = 0;
    unsigned short m_bufferWidth = 0;
    unsigned short m_bufferHeight = 0;
};
