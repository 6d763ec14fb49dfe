#pragma once
// A filter with one input and one output pin, each found by a name tag, or, without a
// tag, as the first free pin of its direction.
#include "CDirectShowFilter.h"

class CFilterPin;

class CTransformerFilter : public CDirectShowFilter {
public:
    CTransformerFilter(CDirectShowGraph* graph, const char* name, const char* inputTag, const char* outputTag);
    CTransformerFilter(const CTransformerFilter&) = delete;
    CTransformerFilter& operator=(const CTransformerFilter&) = delete;
    ~CTransformerFilter() override;

    void Release() override;
    CFilterPin* GetInputPin() const { return m_inputPin; }
    CFilterPin* GetOutputPin() const { return m_outputPin; }

protected:
    CFilterPin* m_inputPin;
    CFilterPin* m_outputPin;
};
