#pragma once
// The main dialog of the family's dialog applications: the application dialog with an
// updater, ending itself once a downloaded installer has been started.
#include "CApplicationDialog.h"
#include "CMorvaneUpdater.h"

class CMorvaneMainDialog : public CApplicationDialog {
public:
    CMorvaneMainDialog(unsigned templateId, CWnd* parent);
    ~CMorvaneMainDialog() override;

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
