#pragma once
// The bench of the input integration tests: a graph with its notification window, null
// renderers to end streams in, and a run that waits for the graph's one completion.
#include "CDirectShowGraph.h"
#include "CDirectShowWindow.h"
#include "CFilterPin.h"
#include "CListener.h"
#include "COutputFilter.h"
#include "StDirectShow.h"
#include "dshow/SinkFilter.h"
#include "win32/windowing/MessageLoop.h"
#include "win32/TestHome.h"
#include "win32/windowing/Window.h"

#include <gtest/gtest.h>

#include <memory>

class CCompletionCounter : public CListener {
public:
    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == CDirectShowGraph::kGraphCompleteMessage) ++completions;
        return CListener::ListenToMessage(message, p, q);
    }
    int completions = 0;
};

class InputGraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_window.CreateEx(0, nullptr, "video", WS_POPUP, CRect(0, 0, 320, 240), nullptr, 0));
        ASSERT_TRUE(m_graph.Create());
        m_graph.SetVideoWindow(&m_window);
    }
    void TearDown() override
    {
        m_graph.Release();
        m_window.DestroyWindow();
    }
    std::unique_ptr<COutputFilter> NullRenderer(const char* name)
    {
        auto renderer = std::make_unique<COutputFilter>();
        renderer->SetGraph(&m_graph);
        renderer->SetName(name);
        renderer->SetId(CLSID_NullRenderer);
        renderer->SetInputPin(new CFilterPin(renderer.get(), "", true));
        EXPECT_TRUE(renderer->Create());
        return renderer;
    }
    // Plays the graph without a clock until it completes, then stops it.
    void RunToCompletion()
    {
        m_graph.ConnectSeeker();
        m_graph.TurnOffReferenceClock();
        CCompletionCounter counter;
        m_graph.AddListener(&counter);
        long result = -1;
        ASSERT_TRUE(m_graph.Play(result));
        ASSERT_TRUE(MvPumpUntil([&] { return counter.completions > 0; }, 30000));
        EXPECT_EQ(counter.completions, 1);
        m_graph.RemoveListener(&counter);
        m_graph.Stop();
        m_graph.DisconnectSeeker();
    }

    MvTestHome m_home;
    StDirectShow m_com;
    CDirectShowWindow m_window;
    CDirectShowGraph m_graph;
};
