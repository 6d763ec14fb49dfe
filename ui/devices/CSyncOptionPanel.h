#pragma once
// The page of a device's synchronisation options: add to its library, and to a play list.
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CSyncOptionController.h"
#include "afx/controls/CButton.h"

class CSyncOptionPanel : public CResourceObjectPanel {
public:
    CSyncOptionPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kAddToSync = 7144,
        kAddToPlayList = 7081,
        kPlayList = 7086,
    };
    static constexpr unsigned kTemplate = 7136;

protected:
    void OnAddToSync();
    void OnAddToPlayList();
    DECLARE_MESSAGE_MAP()

private:
    CButton m_addToSync;
    CButton m_addToPlayList;
    CEntryField m_playList;
    CSyncOptionController m_controller;
};
