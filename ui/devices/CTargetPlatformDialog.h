#pragma once
// Edits one device platform on a copy: its sync settings and its notes.
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"
#include "CTargetPlatform.h"
#include "CTargetPlatformNotesPanel.h"
#include "CTargetPlatformSyncPanel.h"

class CTargetPlatformDialog : public CStackExportDialog {
public:
    // True, with the platform changed, only when the user ends with OK.
    static bool Prompt(CTargetPlatform& platform);

    explicit CTargetPlatformDialog(CWnd* parent);
    ~CTargetPlatformDialog() override;

    void SetupPanels() override;
    // Named as the preset dialog's accessor.
    CTargetPlatform& GetTargetConversion() { return m_platform; }

private:
    CTargetPlatform m_platform;
    CStackPanelInfo m_syncInfo;
    CTargetPlatformSyncPanel m_sync;
    CStackPanelInfo m_notesInfo;
    CTargetPlatformNotesPanel m_notes;
};
