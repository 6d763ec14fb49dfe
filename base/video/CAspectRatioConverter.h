#pragma once
// The rectangle arithmetic of aspect-ratio fitting: pan-and-scan, letter-box and a region of
// interest grown to the output's aspect ratio.
#include "CArea.h"

class CAspectRatioConverter {
public:
    CAspectRatioConverter() = default;
    CAspectRatioConverter(const CAspectRatioConverter&) = default;
    CAspectRatioConverter& operator=(const CAspectRatioConverter&) = default;
    virtual ~CAspectRatioConverter() = default;

    void SetOriginalRect(double aspectRatio, unsigned short width, unsigned short height);
    void SetTargetRect(double aspectRatio, unsigned short width, unsigned short height);
    void SetRotate(bool rotate) { m_rotate = rotate; }

    bool GetPanScanInputRect(CArea& area) const;
    bool GetLetterBoxOutputRect(CArea& area) const;
    bool GetInclusiveIoRect(const CArea& area, CArea& input, CArea& output) const;

private:
    // The output's aspect ratio as seen from the input.
    double OutputRatio() const { return m_rotate ? 1.0 / m_outputAspectRatio : m_outputAspectRatio; }

    double m_inputAspectRatio = 4.0 / 3.0;
    double m_outputAspectRatio = 4.0 / 3.0;
    unsigned short m_originalWidth = 0;
    unsigned short m_originalHeight = 0;
    unsigned short m_targetWidth = 0;
    unsigned short m_targetHeight = 0;
    bool m_rotate = false;
};
