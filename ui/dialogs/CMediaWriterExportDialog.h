#pragma once
// The export dialogs' common ground: a working copy of an output and its file, which the
// caller takes back only after OK, and an OK that closes only when the file can be written.
#include "CMediaOutputFileNameMonitor.h"
#include "CMediaWriter2.h"
#include "CStackExportDialog.h"

class CMediaWriterExportDialog : public CStackExportDialog {
public:
    CMediaWriterExportDialog(CWnd* parent, bool audioOnly);

    void SetData(CMediaWriter2& writer);
    CMediaWriter2& GetData() { return m_writer; }

    bool OnFinish() override;

    static const char* const kFilePathTitle;

protected:
    // Shows the page with that title.
    void ShowPage(const char* title);

    CMediaWriter2 m_writer;
    CMediaOutputFileNameMonitor m_monitor;
};
