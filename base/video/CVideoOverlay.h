#pragma once
// Describes a picture laid over a frame, with a transparent colour.
#include "CVideoProcessor.h"

class CVideoOverlay : public CVideoProcessor {
public:
    virtual void ResetFlags() { m_initialized = false; }

    void SetOverlayColor(EColorFormat v);
    void SetOverlayWidth(unsigned short v);
    void SetOverlayHeight(unsigned short v);
    void SetOverlayImageWidth(unsigned short v);
    void SetOverlayImageHeight(unsigned short v);
    void SetTransperantR(BYTE v) { m_transparentR = v; }
    void SetTransperantG(BYTE v) { m_transparentG = v; }
    void SetTransperantB(BYTE v) { m_transparentB = v; }
    void SetOverlayData(BYTE* data) { m_overlayData = data; }

    EColorFormat GetOverlayColor() const { return m_overlayColor; }
    unsigned short GetOverlayWidth() const { return m_overlayWidth; }
    unsigned short GetOverlayHeight() const { return m_overlayHeight; }
    unsigned short GetOverlayImageWidth() const { return m_overlayImageWidth; }
    unsigned short GetOverlayImageHeight() const { return m_overlayImageHeight; }
    unsigned short GetTransperantR() const { return m_transparentR; }
    unsigned short GetTransperantG() const { return m_transparentG; }
    unsigned short GetTransperantB() const { return m_transparentB; }
    BYTE* GetOverlayData() const { return m_overlayData; }
    bool IsInitialized() const { return m_initialized; }

protected:
    EColorFormat m_overlayColor = kColorNone;
    unsigned short m_overlayWidth = 0;
    unsigned short m_overlayHeight = 0;
    unsigned short m_overlayImageWidth = 0;
    unsigned short m_overlayImageHeight = 0;
    BYTE m_transparentR = 0;
    BYTE m_transparentG = 0;
    BYTE m_transparentB = 0;
    BYTE* m_overlayData = nullptr;
    bool m_initialized = false;
};
