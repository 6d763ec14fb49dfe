#pragma once
// A platform's notes, shown to the user who picks a device.
#include "CResourceObjectPanel.h"
#include "CTargetPlatformNotesController.h"
#include "afx/controls/CStatic.h"

class CTargetPlatformInfoPanel : public CResourceObjectPanel {
public:
    CTargetPlatformInfoPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kNotes = 6006 };
    static constexpr unsigned kTemplate = 7140;

private:
    CStatic m_notes;
    CTargetPlatformNotesController m_controller;
};
