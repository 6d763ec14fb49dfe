#pragma once
// Lists the files that could not be added and, for the selected one, what it seems to be
// and what to install.
#include "CFailedFileListControl.h"
#include "CListener.h"
#include "afx/controls/CButton.h"
#include "afx/windows/CDialog.h"
#include "afx/controls/CStatic.h"

class CMediaFile2;
class CPersistList;

class CFailedFilesDialog : public CDialog, public CListener {
public:
    CFailedFilesDialog(bool audio, bool video, bool audioRequired, CWnd* parent);
    ~CFailedFilesDialog() override;

    // The refused media files; not owned.
    void SetFailList(CPersistList* list) { m_failList = list; }

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    void UpdateSelection();
    CString GetFailureText(CMediaFile2* file);

    enum : int { kHeader = 7027, kList = 7025, kDescription = 7026, kLink = 7028 };
    static constexpr unsigned kTemplate = 7001;

protected:
    // The link has nothing to open for these files.
    void OnLink() {}
    DECLARE_MESSAGE_MAP()

private:
    bool m_audio;
    bool m_video;
    bool m_audioRequired;
    CPersistList* m_failList = nullptr;
    CStatic m_header;
    CFailedFileListControl m_list;
    CStatic m_description;
    CButton m_link;
};
