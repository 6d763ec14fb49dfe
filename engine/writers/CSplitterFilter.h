#pragma once
// A splitter: a source whose input pin "Input" takes the stream of the filter before it.
#include "CSourceFilter.h"

class CSplitterFilter : public CSourceFilter {
public:
    explicit CSplitterFilter(CDirectShowGraph* graph = nullptr, const char* name = "Splitter");
    ~CSplitterFilter() override;

    void Release() override;
    CFilterPin* GetInputPin() const { return m_inputPin; }

private:
    CFilterPin* m_inputPin;
};
