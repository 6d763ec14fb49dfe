#pragma once
// Compares each frame with the previous one at half resolution and reports the rectangle in
// which something moved. Its output frame is the reference image, which it owns.
#include <vector>

#include "CVideoScaler.h"

class CMotionDetector : public CVideoScaler {
public:
    void Initialize() override;
    void InitializeInputOffset() override;
    void InitializeOutputOffset() override {}
    void InitializeTempData() override;
    void InitializeXMaps() override;
    void InitializeYMaps() override;
    void BlackRect(unsigned short, unsigned short, unsigned short, unsigned short) override {}
    void ColorScaleSelf() override;
    virtual void InitializeOutput();

    void Reset();
    void SetSensitivity(BYTE sensitivity) { m_sensitivity = sensitivity; }
    BYTE GetSensitivity() const { return m_sensitivity; }
    bool CompareForMotion(BYTE a, BYTE b) const;
    unsigned short GetLastMotion() const { return m_lastMotion; }
    // The motion rectangle in input pixels.
    void GetMotionRect(unsigned short& x, unsigned short& y, unsigned short& width, unsigned short& height) const;
    bool DetectMotion(unsigned short column, unsigned short row, BYTE sample, BYTE reference);

private:
    bool Supported() const;
    void ScaleAndDetect();

    CMemoryMap m_xMap, m_yMap;
    unsigned short m_sampleBytePerPixel = 0;
    unsigned short m_sampleLineSize = 0;
    BYTE m_sampleOffset = 0;
    bool m_firstFrame = true;
    bool m_motionInFrame = false;
    BYTE m_sensitivity = 60;
    unsigned short m_lastMotion = 0;
    unsigned short m_minColumn = 0, m_maxColumn = 0, m_minRow = 0, m_maxRow = 0;
    std::vector<BYTE> m_reference;
};
