#pragma once
// Lists the recordings a recorder wrote into a folder (and its sub-folders) and opens the
// chosen one in the user's player.
#include "CListener.h"
#include "CRecordingDir.h"
#include "CRecordingFileList.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CStatic.h"
#include "afx/windows/CDialog.h"

class CDirectoryPath;
struct NMHDR;

class CPlayRecordingsDialog : public CDialog, public CListener {
public:
    explicit CPlayRecordingsDialog(CWnd* parent = nullptr);
    ~CPlayRecordingsDialog() override;

    // Shows the recordings of a folder modally.
    static void Play(const char* folder, const char* extension, const char* prompt, const char* nameHeader);

    void SetNameHeader(const char* text) { m_nameHeader = text; }
    void SetPromptText(const char* text) { m_prompt = text; }
    void Parse(const char* folder, const char* extension);
    void ParsePath(CDirectoryPath* path);
    CRecordingDir& GetRecordings() { return m_recordings; }

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;

    enum : int { kList = 4002, kPrompt = 7124, kPlay = 11012 };
    static constexpr unsigned kTemplate = 7006;

protected:
    void OnPlay();
    void OnListClick(NMHDR* header, LRESULT* result);
    void OnListDoubleClick(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    void UpdatePlay();

    CString m_nameHeader;
    CString m_prompt;
    CString m_extension;
    CRecordingDir m_recordings;
    CButton m_play;
    CRecordingFileList m_list;
    CStatic m_promptLabel;
};
