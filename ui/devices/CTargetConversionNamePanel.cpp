#include "CTargetConversionNamePanel.h"

#include "UPageControls.h"
#include "UTargetPageItems.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CTargetConversionNamePanel;
    return U::Page(240, 132,
                   {U::Label("Platform:", -1, 0, 2, 50), U::Edit(P::kPlatform, 54, 0, 180),
                    U::Label("Name:", -1, 0, 20, 50), U::Edit(P::kName, 54, 18, 180),
                    U::Label("Media:", -1, 0, 38, 50), U::DropList(P::kMedia, 54, 36, 100),
                    U::Label("Notes:", -1, 0, 56, 50), UTargetPageItems::MultiLineEdit(P::kNotes, 54, 54, 180, 36),
                    U::Label("Directory:", -1, 0, 96, 50),
                    UTargetPageItems::MultiLineEdit(P::kDirectory, 54, 94, 180, 36)});
}
} // namespace

BEGIN_MESSAGE_MAP(CTargetConversionNamePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kMedia, OnMediaChanged)
END_MESSAGE_MAP()

CTargetConversionNamePanel::CTargetConversionNamePanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CTargetConversionNamePanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kPlatform, m_platform);
    BindIfPresent(this, dx, kName, m_name);
    BindIfPresent(this, dx, kMedia, m_media);
    BindIfPresent(this, dx, kNotes, m_notes);
    BindIfPresent(this, dx, kDirectory, m_directory);
}

void CTargetConversionNamePanel::SetupController()
{
    m_controller.SetControls(IfBound(m_platform), IfBound(m_name), IfBound(m_notes), IfBound(m_directory),
                             IfBound(m_media), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                             nullptr);
}

void CTargetConversionNamePanel::SetPanels(CObjectPanel* videoType, CObjectPanel* audioType, CObjectPanel* tv,
                                           CObjectPanel* wm, CObjectPanel* real, CObjectPanel* maxVideo,
                                           CObjectPanel* maxMode, CObjectPanel* maxQuality, CObjectPanel* maxBitrate,
                                           CObjectPanel* maxQualityBitrate, CObjectPanel* videoComplexity,
                                           CObjectPanel* frameRate, CObjectPanel* maxAudio,
                                           CObjectPanel* audioComplexity, CObjectPanel* minVideo,
                                           CObjectPanel* minMode, CObjectPanel* minQuality, CObjectPanel* minBitrate,
                                           CObjectPanel* minQualityBitrate, CObjectPanel* minAudio)
{
    m_controller.SetPanels(videoType, audioType, tv, wm, real, maxVideo, maxMode, maxQuality, maxBitrate,
                           maxQualityBitrate, videoComplexity, frameRate, maxAudio, audioComplexity, minVideo, minMode,
                           minQuality, minBitrate, minQualityBitrate, minAudio);
}

void CTargetConversionNamePanel::OnMediaChanged() { m_controller.EnterMedia(); }
