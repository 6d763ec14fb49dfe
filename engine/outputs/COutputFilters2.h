#pragma once
// The back half of a graph: takes the output pins of an input set and connects each to
// what the job needs. It keeps the first error text of a run.
#include "EOutputType.h"
#include "afx/CString.h"

class CDirectShowGraph;
class CInputFilters2;

class COutputFilters2 {
public:
    explicit COutputFilters2(CDirectShowGraph* graph = nullptr);
    COutputFilters2(const COutputFilters2&) = delete;
    COutputFilters2& operator=(const COutputFilters2&) = delete;
    virtual ~COutputFilters2();

    virtual bool Connect(CInputFilters2* input);
    virtual void Disconnect() {}
    virtual void Release();
    virtual bool Snap(unsigned short width, unsigned short height);
    virtual bool Snap();
    virtual CString GetStatus() { return CString(); }

    void SetOutputType(EOutputType type) { m_outputType = type; }
    EOutputType GetOutputType() const { return m_outputType; }
    void SetGraph(CDirectShowGraph* graph) { m_graph = graph; }
    CDirectShowGraph* GetGraph() const { return m_graph; }
    const CString& GetErrorText() const { return m_errorText; }
    // Keeps the first error of a run: a text set while one is held is dropped.
    void SetErrorText(const char* text);
    void ResetErrorText() { m_errorText.Empty(); }

protected:
    EOutputType m_outputType = kOutputNil;
    CDirectShowGraph* m_graph;
    CString m_errorText;
};
