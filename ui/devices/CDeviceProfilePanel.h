#pragma once
// The page of a device's video and audio presets; the notes texts stretch with the page.
#include "CDeviceProfileController.h"
#include "CResourceObjectPanel.h"
#include "CWindowLocator.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

class CDeviceProfilePanel : public CResourceObjectPanel {
public:
    CDeviceProfilePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int {
        kVideo = 7142,
        kAudio = 11086,
        kVideoNotes = 7143,
        kAudioNotes = 7079,
    };
    static constexpr unsigned kTemplate = 7135;

protected:
    void OnVideoChanged();
    void OnAudioChanged();
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CComboBox m_video;
    CComboBox m_audio;
    CStatic m_videoNotes;
    CStatic m_audioNotes;
    CWindowLocator m_videoNotesLocator;
    CWindowLocator m_audioNotesLocator;
    CDeviceProfileController m_controller;
};
