#pragma once
// A job whose input set offers chosen pin counts and whose output sets connect or fail
// as told, so the administrator's decisions and its run can be watched without media.
#include "CDirectShowAdministrator2.h"
#include "CDirectShowGraph.h"
#include "CInputFilters2.h"
#include "CListener.h"
#include "COutputFilters2.h"

#include "com/ComRuntime.h"
#include "dshow/DShowInterfaces.h"

#include <algorithm>
#include <map>
#include <vector>

class CCountedInput : public CInputFilters2 {
public:
    using CInputFilters2::CInputFilters2;
    bool CreateSelf() override { return true; }
    bool Connect() override { return connects; }
    int GetAudioPinCount(EOutputType type) override { return audio[type]; }
    int GetVideoPinCount(EOutputType type) override { return video[type]; }
    int GetStreamPinCount() override { return streams; }
    std::map<EOutputType, int> audio, video;
    int streams = 0;
    bool connects = true;
};

class CScriptedOutput : public COutputFilters2 {
public:
    CScriptedOutput(CDirectShowGraph* graph, bool connects) : COutputFilters2(graph), m_connects(connects) {}
    bool Connect(CInputFilters2*) override { return m_connects; }

private:
    bool m_connects;
};

class CTestAdministrator : public CDirectShowAdministrator2 {
public:
    bool CreateInputFilters() override
    {
        auto* input = new CCountedInput(m_graph);
        input->audio = audio;
        input->video = video;
        input->streams = streams;
        input->connects = inputConnects;
        SetInputFilters(input);
        return true;
    }
    bool CreateNilOutputFilters() override { return Make(m_nilOutput, kOutputNil); }
    bool CreateProcessingOutputFilters() override { return Make(m_processingOutput, kOutputProcessing); }
    bool CreateRenderOutputFilters() override { return Make(m_renderOutput, kOutputRender); }
    bool CreateStreamingOutputFilters() override { return Make(m_streamingOutput, kOutputStream); }

    std::map<EOutputType, int> audio, video;
    int streams = 0;
    bool inputConnects = true;
    std::map<EOutputType, bool> creates, connects;

private:
    bool Make(COutputFilters2*& set, EOutputType kind)
    {
        if (creates.count(kind) && !creates[kind]) return false;
        set = new CScriptedOutput(m_graph, !connects.count(kind) || connects[kind]);
        return true;
    }
};

// Hears everything a broadcaster sends, in order.
class CMessageLog : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message != 0) messages.push_back(message);
        return CListener::ListenToMessage(message, p, q);
    }
    int Count(long message) const { return int(std::count(messages.begin(), messages.end(), message)); }
    std::vector<long> messages;
};

// Queues an event in a graph as one of its filters would.
inline void RaiseGraphEvent(CDirectShowGraph* graph, LONG code)
{
    IMediaEventSink* sink = nullptr;
    if (graph && QueryInterfaceTo(graph->GetGraph(), &sink) == S_OK && sink) {
        sink->Notify(code, 0, 0);
        sink->Release();
    }
}
