#include "COutputFilters2.h"

COutputFilters2::COutputFilters2(CDirectShowGraph* graph) : m_graph(graph) {}

COutputFilters2::~COutputFilters2() = default;

bool COutputFilters2::Connect(CInputFilters2*)
{
    return false;
}

void COutputFilters2::Release()
{
    Disconnect();
}

bool COutputFilters2::Snap(unsigned short, unsigned short)
{
    return false;
}

bool COutputFilters2::Snap()
{
    return false;
}

void COutputFilters2::SetErrorText(const char* text)
{
    if (m_errorText.IsEmpty() && text) m_errorText = text;
}
