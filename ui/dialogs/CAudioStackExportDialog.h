#pragma once
// The "Record..." dialog: every setting of an audio output on stacked pages, edited on a
// working copy that the caller takes back only after OK.
#include "CAudioComplexityPanel.h"
#include "CAudioOutput2Panel.h"
#include "CAudioOutputTypePanel.h"
#include "CMediaWriterExportDialog.h"
#include "CRealProfilePanel.h"
#include "CSaveFile2Panel.h"
#include "CStackPanelInfo.h"
#include "CWmOutput2Panel.h"

class CAudioStackExportDialog : public CMediaWriterExportDialog {
public:
    explicit CAudioStackExportDialog(CWnd* parent);
    ~CAudioStackExportDialog() override;

    void SetupPanels() override;

private:
    CStackPanelInfo m_formatInfo;
    CAudioOutputTypePanel m_format;
    CStackPanelInfo m_wmInfo;
    CWmOutput2Panel m_wm;
    CStackPanelInfo m_realInfo;
    CRealProfilePanel m_real;
    CStackPanelInfo m_audioInfo;
    CAudioOutput2Panel m_audio;
    CStackPanelInfo m_complexityInfo;
    CAudioComplexityPanel m_complexity;
    CStackPanelInfo m_fileInfo;
    CSaveFile2Panel m_file;
};
