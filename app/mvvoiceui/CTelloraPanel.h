#pragma once
// The program's main page: the speech settings above the editor. Speaks the editor's text
// with the spoken word selected in the editor.
#include "CEditPanel.h"
#include "CListener.h"
#include "CMainPanel.h"
#include "CSpeechPanel.h"
#include "CTelloraData.h"
#include "CDirectShowWindow.h"
#include "CTextToAudioAdministrator.h"
#include "CTextToSpeechTask.h"
#include "CWindowLocator.h"
#include "afx/controls/CStatic.h"

class CTelloraPanel : public CMainPanel, public CListener {
public:
    static constexpr UINT kTemplate = 130;
    static constexpr int kVoicePlaceholder = 1000;
    static constexpr int kTextPlaceholder = 1001;
    static constexpr int kGraphWindow = 1003;
    static constexpr UINT kStart = 32774;
    static constexpr UINT kStartFromCursor = 32795;
    static constexpr UINT kPause = 32775;
    static constexpr UINT kStop = 32778;
    static constexpr UINT kRecord = 32777;
    static constexpr UINT kSaveAs = 32771;
    static constexpr UINT kSaveSettings = 32772;
    static constexpr UINT kOpenSettings = 32773;

    explicit CTelloraPanel(CWnd* parent = nullptr);
    ~CTelloraPanel() override;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool CheckVoice();
    // The Edit menu's commands go to the editor unless another text field has the focus,
    // which then keeps them for itself.
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;

    CTelloraData& GetTelloraData() { return m_data; }
    CEditPanel& GetEditPanel() { return m_editPanel; }
    CSpeechPanel& GetSpeechPanel() { return m_speechPanel; }
    CTextToAudioAdministrator& GetSpeaker() { return m_speaker; }
    CTextToSpeechTask& GetTask() { return m_task; }

protected:
    void OnSize(UINT type, int cx, int cy);
    void OnSpeechStart();
    void OnSpeechStartFromCursor();
    void OnSpeechPause();
    void OnSpeechStop();
    void OnSpeechRecord();
    // Record waits while a recording runs.
    void OnUpdateSpeechRecord(CCmdUI* ui);
    // A recording still running ends with the window, before the graph window goes.
    void OnDestroy();
    // File: a new empty text, a text or RTF file into the editor, the text out as RTF, and
    // the recording settings in and out.
    void OnFileNew();
    void OnFileOpenText();
    void OnFileSaveAs();
    void OnOpenSettings();
    void OnSaveSettings();
    // Edit, on the editor.
    void OnEditUndo();
    void OnEditRedo();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();
    void OnEditClear();
    void OnEditSelectAll();
    void OnUpdateEditUndo(CCmdUI* ui);
    void OnUpdateEditRedo(CCmdUI* ui);
    void OnUpdateEditSelection(CCmdUI* ui);
    void OnUpdateEditPaste(CCmdUI* ui);
    DECLARE_MESSAGE_MAP()

private:
    void Speak(const CString& text, long offset);

    CTelloraData m_data;
    CSpeechPanel m_speechPanel;
    CEditPanel m_editPanel;
    CWindowLocator m_speechLocator;
    CWindowLocator m_editLocator;
    CTextToAudioAdministrator m_speaker;
    CTextToSpeechTask m_task;
    CDirectShowWindow m_graphWindow;
    CStatic m_textPlaceholder;
    CStatic m_voicePlaceholder;
    long m_offset = 0;
};
