#pragma once
// Owns one job's graph: the input set, an optional bridge and the output sets by kind.
// Builds them in a fixed order of steps that each job overrides, runs the graph, keeps
// the first error and relays the graph's completion and state to its own listeners.
#include "CBroadcaster.h"
#include "CListener.h"
#include "afx/CString.h"

class CBridgeFilters;
class CDirectShowGraph;
class CDirectShowWindow;
class CInputFilters2;
class CMediaTags;
class COutputFilters2;

class CDirectShowAdministrator2 : public CBroadcaster, public CListener {
public:
    enum {
        kGraphCompleteMessage = 1002,
        kGraphStateMessage = 1003,
        kGraphErrorAbortMessage = 1005,
        kAdministratorConnectedMessage = 40749234,
        kAdministratorReleasedMessage = 40749235,
    };
    static const char* const kErrorAbortText;

    CDirectShowAdministrator2();
    CDirectShowAdministrator2(const CDirectShowAdministrator2&) = delete;
    CDirectShowAdministrator2& operator=(const CDirectShowAdministrator2&) = delete;
    ~CDirectShowAdministrator2() override;

    virtual bool Create();
    virtual void Release();
    virtual bool Connect();
    virtual void Disconnect();
    virtual bool CreateGraph();
    virtual bool CreateInputFilters() { return false; }
    virtual bool CreateBridgeFilters() { return false; }
    virtual bool CreateNilOutputFilters();
    virtual bool CreateRenderOutputFilters();
    virtual bool CreateProcessingOutputFilters() { return false; }
    virtual bool CreateStreamingOutputFilters();
    virtual bool ConnectFilters();
    virtual bool ConnectInput();
    virtual bool ConnectBridge();
    virtual bool ConnectOutput();
    virtual void DisconnectFilters();
    virtual void DisconnectOutput();
    virtual void DisconnectBridge();
    virtual void DisconnectInput();
    virtual void ReleaseStreamingOutputFilters();
    virtual void ReleaseProcessingOutputFilters();
    virtual void ReleaseRenderOutputFilters();
    virtual void ReleaseNilOutputFilters();
    virtual void ReleaseBridgeFilters();
    virtual void ReleaseInputFilters();
    virtual void ReleaseGraph();
    virtual bool Play();
    virtual bool Pause();
    virtual bool Stop();
    virtual void ReachStop() {}
    virtual void PromptConnectFailure() {}
    virtual void PromptPlayFailure() {}
    virtual void InformError() {}
    virtual void Reset() {}

    bool ListenToMessage(long message, const void* p, const void* q) override;

    bool IsPlaying();
    bool IsPaused();
    bool IsStopped();
    bool SetPosition(double seconds);
    bool SetStop(double seconds);
    bool GetVolume(unsigned char& volume);
    bool SetVolume(unsigned char volume);
    bool IsFullScreen();
    bool ShowFullScreen(bool on);
    bool Snap();
    void SetVideoWindow(CDirectShowWindow* window);
    CDirectShowWindow* GetVideoWindow() const { return m_videoWindow; }
    // Keeps the first text: a later one is dropped until Create empties it.
    void SetErrorText(const char* text);
    const CString& GetErrorText() const { return m_errorText; }
    bool GetTags(CMediaTags& tags);

    CDirectShowGraph* GetGraph() const { return m_graph; }
    CInputFilters2* GetInputFilters() const { return m_input; }
    CBridgeFilters* GetBridgeFilters() const { return m_bridge; }
    COutputFilters2* GetNilOutputFilters() const { return m_nilOutput; }
    COutputFilters2* GetRenderOutputFilters() const { return m_renderOutput; }
    COutputFilters2* GetProcessingOutputFilters() const { return m_processingOutput; }
    COutputFilters2* GetStreamingOutputFilters() const { return m_streamingOutput; }

protected:
    // Ends the run: relays 1002 (after 1005 when the run failed) from the message loop,
    // once per run, so that listeners may stop, release or delete this administrator.
    // The graph's own broadcast must not see its graph freed under it.
    void BroadcastCompletion(bool error);
    // Ends the run in error: the text, the stop, then 1005 and 1002.
    void AbortRun();

    // A set made by a creation step, owned from then on.
    void SetInputFilters(CInputFilters2* input);
    void SetBridgeFilters(CBridgeFilters* bridge);
    void SetNilOutputFilters(COutputFilters2* output) { m_nilOutput = output; }
    void SetRenderOutputFilters(COutputFilters2* output) { m_renderOutput = output; }
    void SetProcessingOutputFilters(COutputFilters2* output) { m_processingOutput = output; }
    void SetStreamingOutputFilters(COutputFilters2* output) { m_streamingOutput = output; }

    CDirectShowGraph* m_graph = nullptr;
    CDirectShowWindow* m_videoWindow = nullptr;
    CInputFilters2* m_input = nullptr;
    CBridgeFilters* m_bridge = nullptr;
    COutputFilters2* m_nilOutput = nullptr;
    COutputFilters2* m_renderOutput = nullptr;
    COutputFilters2* m_processingOutput = nullptr;
    COutputFilters2* m_streamingOutput = nullptr;
    CString m_errorText;

private:
    static int RelayCompletion(long serial, long);
    // Forgets a completion not yet relayed: a new run or a release makes it stale.
    void CancelCompletion();
    // Makes an output set of a kind and connects the source to it; the texts tell why not.
    bool ConnectOutputSet(bool (CDirectShowAdministrator2::*create)(), COutputFilters2*& set, CInputFilters2* source,
                          const char* createError, const char* connectError);
    static void ReleaseSet(COutputFilters2*& set);

    long m_completionSerial = 0;    // the waiting relay of this run's completion, 0 = none
    bool m_completionSent = false;  // this run's completion was relayed or is on its way
    bool m_completionError = false;
};
