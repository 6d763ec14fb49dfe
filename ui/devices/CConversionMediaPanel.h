#pragma once
// The page of one queued device conversion: media type, aspect ratio, audio and subtitle
// tracks, and the output file name.
#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CQuorlanController.h"
#include "CResourceObjectPanel.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CConversionMediaPanel : public CResourceObjectPanel {
public:
    CConversionMediaPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    void SetFormatDecision(CFormatDecision* decision) { m_controller.SetFormatDecision(decision); }
    CQuorlanController& GetQuorlanController() { return m_controller; }

    enum : int {
        kType = 7078,
        kAspect = 11085,
        kAspectLabel = 7006,
        kReset = 7007,
        kAudioLabel = 7079,
        kAudio = 11086,
        kSubtitleCheck = 7082,
        kSubtitle = 7083,
        kFileName = 11010,
    };
    static constexpr unsigned kTemplate = 7021;

protected:
    void OnTypeChanged();
    void OnAspectChanged();
    void OnReset();
    void OnAudioChanged();
    void OnSubtitleClicked();
    void OnSubtitleChanged();
    DECLARE_MESSAGE_MAP()

private:
    CComboBox m_type;
    CEntryCombo m_aspect;
    CStatic m_aspectLabel;
    CButton m_reset;
    CStatic m_audioLabel;
    CComboBox m_audio;
    CButton m_subtitleCheck;
    CComboBox m_subtitle;
    CEntryField m_fileName;
    CQuorlanController m_controller;
};
