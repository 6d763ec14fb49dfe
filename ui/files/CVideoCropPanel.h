#pragma once
// The crop rectangle of one video track.
#include "CVideoCropController.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"

class CVideoCropPanel : public CResourceObjectPanel {
public:
    CVideoCropPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int {
        kLeft = 7070,
        kRight = 7072,
        kTop = 7071,
        kBottom = 7073,
        kReset = 7007,
    };
    static constexpr unsigned kTemplate = 7091;

protected:
    void OnReset();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_left;
    CEntryField m_right;
    CEntryField m_top;
    CEntryField m_bottom;
    CButton m_reset;
    CVideoCropController m_controller;
};
