#pragma once
// The preset's identity: platform, name, media type, notes and directory. Its controller
// holds the preset dialog's output pages and switches them with the media type.
#include "CEntryField.h"
#include "CResourceObjectPanel.h"
#include "CTargetConversionController.h"
#include "afx/controls/CComboBox.h"

class CTargetConversionNamePanel : public CResourceObjectPanel {
public:
    CTargetConversionNamePanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    // The twenty dependent pages, in the controller's order.
    void SetPanels(CObjectPanel* videoType, CObjectPanel* audioType, CObjectPanel* tv, CObjectPanel* wm,
                   CObjectPanel* real, CObjectPanel* maxVideo, CObjectPanel* maxMode, CObjectPanel* maxQuality,
                   CObjectPanel* maxBitrate, CObjectPanel* maxQualityBitrate, CObjectPanel* videoComplexity,
                   CObjectPanel* frameRate, CObjectPanel* maxAudio, CObjectPanel* audioComplexity,
                   CObjectPanel* minVideo, CObjectPanel* minMode, CObjectPanel* minQuality, CObjectPanel* minBitrate,
                   CObjectPanel* minQualityBitrate, CObjectPanel* minAudio);
    CTargetConversionController& GetTargetController() { return m_controller; }

    enum : int {
        kPlatform = 7138,
        kName = 7055,
        kMedia = 7128,
        kNotes = 7111,
        kDirectory = 7112,
    };
    static constexpr unsigned kTemplate = 7132;

protected:
    void OnMediaChanged();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_platform;
    CEntryField m_name;
    CComboBox m_media;
    CEntryField m_notes;
    CEntryField m_directory;
    CTargetConversionController m_controller;
};
