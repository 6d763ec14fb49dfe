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

    explicit CTelloraPanel(CWnd* parent = nullptr);
    ~CTelloraPanel() override;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool CheckVoice();

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
