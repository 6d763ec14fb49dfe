#pragma once
// A task that runs one graph administrator for as long as it runs; the administrator's
// completion or the user's cancel ends it.
#include "CDxTask.h"

class CDxDirectTask : public CDxTask {
public:
    CDxDirectTask() = default;
    ~CDxDirectTask() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool StartSelf() override;
    void StopSelf() override;
    bool IsRunning() override;
    bool IsPaused() override;
    virtual CDirectShowAdministrator2* CreateAdministrator() { return CreateAdministratorSelf(); }
    // A new administrator, not yet created; null when the task has none to run.
    virtual CDirectShowAdministrator2* CreateAdministratorSelf() { return nullptr; }

    bool Snap();
    bool IsFullScreen();
    bool ShowFullScreen(bool on);
    CDirectShowAdministrator2* GetAdministrator() const { return m_administrator; }
    void SetProgressTitle(const char* title) { m_progressTitle = title ? title : ""; }
    const CString& GetProgressTitle() const { return m_progressTitle; }

protected:
    CDirectShowAdministrator2* m_administrator = nullptr;
    CString m_progressTitle;
};
