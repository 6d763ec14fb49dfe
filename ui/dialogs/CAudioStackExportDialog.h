#pragma once
// The "Record..." dialog: every setting of an audio output on stacked pages, edited on a
// working copy that the caller takes back only after OK.
#include "CAudioComplexityPanel.h"
#include "CAudioOutput2Panel.h"
#include "CAudioOutputTypePanel.h"
#include "CMediaOutputFileNameMonitor.h"
#include "CMediaWriter2.h"
#include "CRealProfilePanel.h"
#include "CSaveFile2Panel.h"
#include "CStackExportDialog.h"
#include "CStackPanelInfo.h"
#include "CWmOutput2Panel.h"

class CAudioStackExportDialog : public CStackExportDialog {
public:
    explicit CAudioStackExportDialog(CWnd* parent);
    ~CAudioStackExportDialog() override;

    void SetData(CMediaWriter2& writer);
    CMediaWriter2& GetData() { return m_writer; }

    void SetupPanels() override;
    // OK closes only when the output can be written where the user asked.
    bool OnFinish() override;

    static const char* const kFilePathTitle;

protected:
    // Shows the page with that title.
    void ShowPage(const char* title);

private:
    CMediaWriter2 m_writer;
    CMediaOutputFileNameMonitor m_monitor;
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
