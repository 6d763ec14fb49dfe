#include "CDirectShowInterface.h"

#include "CDirectShowGraph.h"

CDirectShowInterface::CDirectShowInterface()
{
    m_timer.AddListener(this);
}

CDirectShowInterface::CDirectShowInterface(const CDirectShowInterface& other) : CListener()
{
    m_timer.AddListener(this);
    SetGraph(other.m_graph);
}

CDirectShowInterface& CDirectShowInterface::operator=(const CDirectShowInterface& other)
{
    if (this != &other) SetGraph(other.m_graph);
    return *this;
}

CDirectShowInterface::~CDirectShowInterface()
{
    m_timer.Deactivate();
    if (m_graph) m_graph->RemoveListener(this);
    m_timer.RemoveListener(this);
}

void CDirectShowInterface::SetGraph(CDirectShowGraph* graph)
{
    if (graph == m_graph) return;
    if (m_graph) m_graph->RemoveListener(this);
    m_graph = graph;
    if (m_graph) m_graph->AddListener(this);
    ReflectState();
}

void CDirectShowInterface::EnableSeeker(bool on)
{
    if (on)
        m_timer.Activate(10);
    else
        m_timer.Deactivate();
}

void CDirectShowInterface::ReflectState()
{
    EnableSeeker(m_graph != nullptr);
}

bool CDirectShowInterface::ListenToMessage(long message, const void* p, const void* q)
{
    switch (message) {
    case CDirectShowGraph::kSeekerAttachedMessage:
        EnableSeeker(true);
        return true;
    case CDirectShowGraph::kSeekerDetachedMessage:
        EnableSeeker(false);
        return true;
    case CDirectShowGraph::kGraphCompleteMessage:
        return true; // the graph's own handling stops and rewinds it
    case CDirectShowGraph::kGraphStateMessage:
        ReflectState();
        return true;
    case kTimerTickMessage:
        ReflectSeeker();
        return true;
    default:
        return CListener::ListenToMessage(message, p, q);
    }
}
