#pragma once
// How a platform synchronises: whether it can and is offered at all, its default play list
// and the sync text its devices show. The name is shown, not edited.
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTargetPlatformController.h"
#include "afx/controls/CButton.h"

class CTargetPlatformSyncPanel : public CResourceObjectPanel {
public:
    CTargetPlatformSyncPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kName = 7055,
        kCanSync = 7145,
        kActive = 7147,
        kPlayList = 7086,
        kSyncText = 7111,
    };
    static constexpr unsigned kTemplate = 7138;

protected:
    void OnCanSync();
    void OnActive();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_name;
    CButton m_canSync;
    CButton m_active;
    CEntryField m_playList;
    CEntryField m_syncText;
    CTargetPlatformController m_controller;
};
