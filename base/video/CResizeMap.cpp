#include "CResizeMap.h"

CResizeMap::CResizeMap(const CResizeMap& other)
    : m_inputLength(other.m_inputLength), m_outputLength(other.m_outputLength), m_gap(other.m_gap)
{
    Initialize();
}

CResizeMap& CResizeMap::operator=(const CResizeMap& other)
{
    if (this != &other) {
        m_inputLength = other.m_inputLength;
        m_outputLength = other.m_outputLength;
        m_gap = other.m_gap;
        Reset();
        Initialize();
    }
    return *this;
}

void CResizeMap::SetInputLength(unsigned short v)
{
    if (m_inputLength != v) {
        m_inputLength = v;
        Reset();
    }
}

void CResizeMap::SetOutputLength(unsigned short v)
{
    if (m_outputLength != v) {
        m_outputLength = v;
        Reset();
    }
}

void CResizeMap::SetGap(long gap)
{
    if (m_gap != gap) {
        m_gap = gap;
        Reset();
    }
}

void CResizeMap::Initialize()
{
    if (m_built)
        return;
    m_table.resize(m_outputLength);
    // 64-bit products: i x input length exceeds 31 bits for long lines.
    for (size_t i = 0; i < m_outputLength; ++i)
        m_table[i] = ptrdiff_t(i * m_inputLength / m_outputLength) * m_gap;
    m_built = true;
}

void CResizeMap::Reset()
{
    m_table.clear();
    m_built = false;
}
