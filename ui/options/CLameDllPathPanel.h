#pragma once
// The "Lame_enc.dll" option page: where the MP3 encoder library lies.
#include "CEntryField.h"
#include "CLameDllPathController.h"
#include "CResourceObjectPanel.h"
#include "CTooltipButton.h"

class CLameDllPathPanel : public CResourceObjectPanel {
public:
    CLameDllPathPanel(unsigned long applicationId, CWnd* parent);

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void SetupController() override;

    enum : int { kPath = 11180, kBrowse = 11181, kDownload = 11182 };
    static constexpr unsigned kTemplate = 7064;

protected:
    void OnBrowse();
    // The library is not ours to ship: the page points to where it can be had.
    void OnDownload();
    DECLARE_MESSAGE_MAP()

private:
    CEntryField m_path;
    CTooltipButton m_browse;
    CTooltipButton m_download;
    CLameDllPathController m_controller;
};
