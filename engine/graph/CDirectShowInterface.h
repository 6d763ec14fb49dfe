#pragma once
// Binds a user-interface object to a graph: follows its seeker and state, and polls
// the position by timer while a seeker is attached.
#include "CListener.h"
#include "CTimer.h"

class CDirectShowGraph;

class CDirectShowInterface : public CListener {
public:
    CDirectShowInterface();
    CDirectShowInterface(const CDirectShowInterface& other);
    CDirectShowInterface& operator=(const CDirectShowInterface& other);
    ~CDirectShowInterface() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    virtual void EnableSeeker(bool on);
    virtual void ReflectState();
    // Called on each timer tick; the classes that show the position fill it.
    virtual void ReflectSeeker() {}

    void SetGraph(CDirectShowGraph* graph);
    CDirectShowGraph* GetGraph() const { return m_graph; }
    bool IsPolling() const { return m_timer.IsActive(); }

protected:
    CTimer m_timer;
    CDirectShowGraph* m_graph = nullptr;
};
