#pragma once
// What the user starts and stops from a window: a conversion, a recording, a preview.
// A preview graph gives way while the task runs and is rebuilt, paused, when it stops.
#include "CBroadcaster.h"
#include "CListener.h"
#include "CProgressDialog2.h"
#include "MediaTypes.h"
#include "afx/CString.h"

class CDirectShowAdministrator2;
class CDirectShowWindow;

class CDxTask : public CListener, public CBroadcaster {
public:
    CDxTask();
    CDxTask(const CDxTask&) = delete;
    CDxTask& operator=(const CDxTask&) = delete;
    ~CDxTask() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    virtual ESplitterType GetSplitter() = 0;
    virtual bool Start();
    virtual bool PrepareToStart();
    virtual CString GetError() { return CString(); }
    virtual bool StartSelf() { return false; }
    virtual void Stop(bool restorePreview);
    virtual void StopSelf() {}
    virtual bool IsRunning() { return m_running; }
    virtual bool IsPaused() { return false; }

    void SetVideoWindow(CDirectShowAdministrator2* preview, CDirectShowWindow* window);
    CProgressDialog2& GetProgressDialog() { return m_progress; }

protected:
    CProgressDialog2 m_progress;
    bool m_running = false;
    CDirectShowAdministrator2* m_preview = nullptr;
    CDirectShowWindow* m_videoWindow = nullptr;
};
