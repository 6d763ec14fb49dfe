#include "CMotionDetector.h"

#include <cstdlib>

void CMotionDetector::Reset()
{
    m_reference.clear();
    m_outputData = nullptr;
    m_firstFrame = true;
    m_motionInFrame = false;
    m_lastMotion = 0;
    m_minColumn = m_maxColumn = m_minRow = m_maxRow = 0;
}

void CMotionDetector::Initialize()
{
    Reset();
    InitializeOutput();
    CVideoScaler::Initialize();
}

void CMotionDetector::InitializeOutput()
{
    const auto w = static_cast<unsigned short>(m_originalWidth / 2);
    const auto h = static_cast<unsigned short>(m_originalHeight / 2);
    SetTargetWidth(w);
    SetTargetHeight(h);
    SetOutputX(0);
    SetOutputY(0);
    SetOutputWidth(w);
    SetOutputHeight(h);
    m_reference.assign(size_t(w) * h, 0);
    m_outputData = m_reference.data();
}

bool CMotionDetector::Supported() const
{
    switch (m_inputColor) {
    case kColorRgb24:
    case kColorRgbx32:
    case kColorXbgr32:
    case kColorRgb32:
    case kColorArgb32:
    case kColorUyvy:
    case kColorYuy2:
    case kColorYvyu:
    case kColorYv12:
    case kColorI420: return true;
    default: return false;
    }
}

void CMotionDetector::InitializeInputOffset()
{
    // The sampled channel: green of RGB, luma of YUV.
    switch (m_inputColor) {
    case kColorXbgr32: m_sampleOffset = 2; break;
    case kColorRgb24:
    case kColorRgbx32:
    case kColorRgb32:
    case kColorArgb32:
    case kColorUyvy: m_sampleOffset = 1; break;
    default: m_sampleOffset = 0; break;
    }
}

void CMotionDetector::InitializeTempData()
{
    CVideoScaler::InitializeTempData();
    const bool rgb = m_inputColor >= kColorRgb24 && m_inputColor <= kColorArgb32;
    m_sampleBytePerPixel = static_cast<unsigned short>(rgb ? GetInputBytePerPixel() : GetInputYBytePerPixel());
    m_sampleLineSize = static_cast<unsigned short>(rgb ? GetInputLineSize() : GetInputYLineSize());
}

void CMotionDetector::InitializeXMaps()
{
    SetMap(m_xMap, m_sampleBytePerPixel, m_inputWidth, m_outputWidth);
    m_xMap.Initialize();
}

void CMotionDetector::InitializeYMaps()
{
    SetMap(m_yMap, m_sampleLineSize, m_inputHeight, m_outputHeight);
    m_yMap.Initialize();
}

bool CMotionDetector::CompareForMotion(BYTE a, BYTE b) const
{
    return std::abs(a - b) >= m_sensitivity;
}

void CMotionDetector::GetMotionRect(unsigned short& x, unsigned short& y, unsigned short& width,
                                    unsigned short& height) const
{
    x = static_cast<unsigned short>(2 * m_minColumn);
    y = static_cast<unsigned short>(2 * m_minRow);
    width = static_cast<unsigned short>(2 * (m_maxColumn - m_minColumn) + 2);
    height = static_cast<unsigned short>(2 * (m_maxRow - m_minRow) + 2);
}

bool CMotionDetector::DetectMotion(unsigned short column, unsigned short row, BYTE sample, BYTE reference)
{
    if (m_motionInFrame) {
        if (m_minColumn < column && column < m_maxColumn && m_minRow < row && row < m_maxRow)
            return true;
        if (!CompareForMotion(sample, reference))
            return false;
        if (column < m_minColumn)
            m_minColumn = column;
        else if (column > m_maxColumn)
            m_maxColumn = column;
        if (row < m_minRow)
            m_minRow = row;
        else if (row > m_maxRow)
            m_maxRow = row;
        return true;
    }
    if (!CompareForMotion(sample, reference))
        return false;
    m_minColumn = m_maxColumn = column;
    m_minRow = m_maxRow = row;
    m_motionInFrame = true;
    return true;
}

void CMotionDetector::ColorScaleSelf()
{
    if (!Supported() || m_reference.empty())
        return;
    m_motionInFrame = false;
    m_yMap.SetStart(GetInputRgbDataStart() + m_sampleOffset);
    if (m_firstFrame) {
        for (int i = 0; i < m_outputHeight; ++i) {
            const BYTE* line = m_yMap.GetDataPtr(i);
            for (int j = 0; j < m_outputWidth; ++j)
                m_reference[size_t(i) * m_outputWidth + size_t(j)] = line[m_xMap.Map(j)];
        }
        m_lastMotion = 0;
        m_firstFrame = false;
        return;
    }
    ScaleAndDetect();
}

void CMotionDetector::ScaleAndDetect()
{
    // The 4-pixel border of the half-resolution image is never examined.
    for (int i = 4; i < m_outputHeight - 4; ++i) {
        const BYTE* line = m_yMap.GetDataPtr(i);
        BYTE* reference = &m_reference[size_t(i) * m_outputWidth];
        for (int j = 4; j < m_outputWidth - 4; ++j) {
            const BYTE sample = line[m_xMap.Map(j)];
            DetectMotion(static_cast<unsigned short>(j), static_cast<unsigned short>(i), sample, reference[j]);
            reference[j] = sample;
        }
    }
    if (m_motionInFrame)
        m_lastMotion = 1;
    else if (m_lastMotion != 0)
        ++m_lastMotion;
}
