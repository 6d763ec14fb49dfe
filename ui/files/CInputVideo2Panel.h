#pragma once
// The tracks of an input file that are used, its start and end, and its tags. Audio
// applications choose only the audio track.
#include "CDuration2Controller.h"
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CStreamSelect2Controller.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CInputVideo2Panel : public CResourceObjectPanel {
public:
    CInputVideo2Panel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    // A media file also binds its trim slice to the start and end fields.
    void SetObject(CPersistObject* object) override;
    // Audio applications choose only the audio track.
    static bool IsAudioOnly(unsigned long applicationId);

    enum : int {
        kStartLabel = 11147,
        kStart = 11148,
        kEndLabel = 11150,
        kEnd = 11151,
        kVideoLabel = 7085,
        kVideo = 7037,
        kAudioLabel = 7029,
        kAudio = 7036,
        kShowSubtitle = 7082,
        kSubtitle = 7083,
        kEditTags = 7162,
    };
    static constexpr unsigned kTemplate = 7074;

protected:
    void OnVideoChanged();
    void OnAudioChanged();
    void OnSubtitleChanged();
    void OnShowSubtitle();
    void OnEditTags();
    DECLARE_MESSAGE_MAP()

private:
    unsigned long m_applicationId;
    CStatic m_startLabel;
    CEntryField m_start;
    CStatic m_endLabel;
    CEntryField m_end;
    CStatic m_videoLabel;
    CComboBox m_video;
    CStatic m_audioLabel;
    CComboBox m_audio;
    CButton m_showSubtitle;
    CComboBox m_subtitle;
    CButton m_editTags;
    CStreamSelect2Controller m_streamController;
    CDuration2Controller m_durationController;
};
