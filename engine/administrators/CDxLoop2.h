#pragma once
// Runs a job over items one after another with one graph administrator, released and
// rebuilt for each item. The progress dialog polls it as a progress action.
#include "CBroadcaster.h"
#include "CListener.h"
#include "CWindowsProgressAction.h"

class CDirectShowAdministrator2;
class CDirectShowWindow;

class CDxLoop2 : public CListener, public CBroadcaster, public CWindowsProgressAction {
public:
    enum {
        kLoopItemStartedMessage = 439922,
        kLoopDoneMessage = 439923,
        kLoopItemCompleteMessage = 439924,
    };

    CDxLoop2() = default;
    CDxLoop2(const CDxLoop2&) = delete;
    CDxLoop2& operator=(const CDxLoop2&) = delete;
    ~CDxLoop2() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    virtual void Reset();
    virtual CDirectShowAdministrator2* CreateAdministrator() { return CreateAdministratorSelf(); }
    virtual CDirectShowAdministrator2* CreateAdministratorSelf() = 0;
    virtual bool Start();
    virtual void Skip();
    virtual void Pause();
    virtual void Cancel();
    virtual void OnComplete();
    // Moves to the next item that starts; false (after the done broadcast) when none is left.
    virtual bool ProcessNext(bool skipped);
    virtual bool NextItem() { return false; }
    virtual bool ProcessItem() { return false; }
    virtual void FailItem() {}
    virtual void FinishLoop() {}

    void SetVideoWindow(CDirectShowWindow* window);
    CDirectShowAdministrator2* GetAdministrator() const { return m_administrator; }

protected:
    CDirectShowAdministrator2* m_administrator = nullptr;
    CDirectShowWindow* m_videoWindow = nullptr;
};
