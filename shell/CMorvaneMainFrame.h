#pragma once
// The main frame of the family's frame applications: the application frame with an
// updater, closing itself once a downloaded installer has been started.
#include "CApplicationFrame.h"
#include "CMorvaneUpdater.h"

class CMorvaneMainFrame : public CApplicationFrame {
    DECLARE_DYNCREATE(CMorvaneMainFrame)
public:
    CMorvaneMainFrame();
    ~CMorvaneMainFrame() override;

    // "Auto Upgrade...": version check and, when accepted, the download.
    void Upgrade();
    bool ListenToMessage(long code, const void* a, const void* b) override;
    CMorvaneUpdater& GetUpdater() { return m_updater; }

protected:
    void OnClose();
    void OnDestroy();
    LRESULT OnUpdaterInstall(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    CMorvaneUpdater m_updater;
};
