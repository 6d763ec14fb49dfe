#include "COutputFilter.h"

#include "CFilterPin.h"

COutputFilter::COutputFilter() = default;

COutputFilter::COutputFilter(const COutputFilter& other) : CDirectShowFilter(other)
{
    if (other.m_inputPin) m_inputPin = new CFilterPin(*other.m_inputPin);
}

COutputFilter& COutputFilter::operator=(const COutputFilter& other)
{
    if (this == &other) return *this;
    CDirectShowFilter::operator=(other);
    SetInputPin(other.m_inputPin ? new CFilterPin(*other.m_inputPin) : nullptr);
    return *this;
}

COutputFilter::~COutputFilter()
{
    COutputFilter::Release();
    delete m_inputPin;
}

void COutputFilter::Release()
{
    if (m_inputPin) m_inputPin->Release();
    CDirectShowFilter::Release();
}

void COutputFilter::SetInputPin(CFilterPin* pin)
{
    if (pin == m_inputPin) return;
    delete m_inputPin;
    m_inputPin = pin;
}
