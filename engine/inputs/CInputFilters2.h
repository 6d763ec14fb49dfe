#pragma once
// The source side of one job's graph: makes the filters that produce media and hands
// out their pins by kind and by the output kind they serve. Keeps the first error text.
#include "EOutputType.h"
#include "afx/CString.h"

class CDirectShowGraph;
class CFilterPin;
class CMediaTags;

class CInputFilters2 {
public:
    explicit CInputFilters2(CDirectShowGraph* graph = nullptr) : m_graph(graph) {}
    CInputFilters2(const CInputFilters2&) = delete;
    CInputFilters2& operator=(const CInputFilters2&) = delete;
    virtual ~CInputFilters2();

    virtual void SetFilePath(const char*) {}
    virtual bool CreateAndConnect();
    virtual bool Create();
    virtual bool Prepare() { return true; }
    virtual bool CreateSelf() { return false; }
    virtual void Release() {}
    virtual int GetTotalVideoPinCount();
    virtual int GetTotalAudioPinCount();
    virtual int GetTotalSubtitlePinCount() { return 0; }
    virtual int GetTotalStreamPinCount() { return GetStreamPinCount(); }
    virtual int GetVideoPinCount(EOutputType) { return 0; }
    virtual CFilterPin* GetVideoPin(EOutputType, int) { return nullptr; }
    virtual int GetAudioPinCount(EOutputType) { return 0; }
    virtual CFilterPin* GetAudioPin(EOutputType, int) { return nullptr; }
    virtual int GetStreamPinCount() { return 0; }
    virtual CFilterPin* GetStreamPin(int) { return nullptr; }
    virtual CFilterPin* GetSubtitlePin(int) { return nullptr; }
    virtual bool Connect() { return false; }
    virtual void Disconnect() {}
    virtual bool GetTags(CMediaTags&) { return false; }

    // Stores the text only while none is stored: the first error of an operation wins.
    void SetErrorText(const char* text);
    void ResetErrorText() { m_errorText.Empty(); }
    const CString& GetErrorText() const { return m_errorText; }
    CDirectShowGraph* GetGraph() const { return m_graph; }
    void SetGraph(CDirectShowGraph* graph) { m_graph = graph; }

    static const char* const kPrepareError;
    static const char* const kCreateError;
    static const char* const kConnectError;

protected:
    CDirectShowGraph* m_graph;
    CString m_errorText;
};
