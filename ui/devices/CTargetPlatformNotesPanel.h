#pragma once
// A platform's notes, edited.
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTargetPlatformController.h"

class CTargetPlatformNotesPanel : public CResourceObjectPanel {
public:
    CTargetPlatformNotesPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;

    enum : int { kNotes = 7111 };
    static constexpr unsigned kTemplate = 7139;

private:
    CEntryField m_notes;
    CTargetPlatformController m_controller;
};
